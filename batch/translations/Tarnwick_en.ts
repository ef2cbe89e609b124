<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DeviceTableModel</name>
    <message>
        <source>IP Address</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>Cloud ID</source>
        <translation>Cloud ID</translation>
    </message>
    <message>
        <source>Full Netcom</source>
        <translation>Full Netcom</translation>
    </message>
    <message>
        <source>Lamp Board</source>
        <translation>Lamp Board</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>Current Version</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>Hardware Version</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Try to sign in</source>
        <translation>Try to sign in</translation>
    </message>
    <message>
        <source>Not Accessible</source>
        <translation>Not Accessible</translation>
    </message>
    <message>
        <source>Accessible</source>
        <translation>Accessible</translation>
    </message>
    <message>
        <source>Setting the date and time</source>
        <translation>Setting the date and time</translation>
    </message>
    <message>
        <source>Setting failed</source>
        <translation>Setting failed</translation>
    </message>
    <message>
        <source>Successfully set</source>
        <translation>Successfully set</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>Restarting the device</translation>
    </message>
    <message>
        <source>Restart failed</source>
        <translation>Restart failed</translation>
    </message>
    <message>
        <source>Restart succeeded. Please wait a moment and refresh</source>
        <translation>Restart succeeded. Please wait a moment and refresh</translation>
    </message>
    <message>
        <source>Restoring settings</source>
        <translation>Restoring settings</translation>
    </message>
    <message>
        <source>Restore failed</source>
        <translation>Restore failed</translation>
    </message>
    <message>
        <source>Restore succeeded. Please wait a moment and refresh</source>
        <translation>Restore succeeded. Please wait a moment and refresh</translation>
    </message>
    <message>
        <source>Setting the title</source>
        <translation>Setting the title</translation>
    </message>
    <message>
        <source>Uploading audio file</source>
        <translation>Uploading audio file</translation>
    </message>
    <message>
        <source>Upload failed</source>
        <translation>Upload failed</translation>
    </message>
    <message>
        <source>Upload successfully</source>
        <translation>Upload successfully</translation>
    </message>
    <message>
        <source>Upgrade to %1</source>
        <translation>Upgrade to %1</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Upgrade failed</translation>
    </message>
    <message>
        <source>Upgrade successfully, waiting to restart</source>
        <translation>Upgrade successfully, waiting to restart</translation>
    </message>
    <message>
        <source>Setting IP address</source>
        <translation>Setting IP address</translation>
    </message>
    <message>
        <source>Setting full netcom</source>
        <translation>Setting full netcom</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Unknown Accessibility</source>
        <translation>Unknown Accessibility</translation>
    </message>
    <message>
        <source>%1 hardware mismatch, unable to upgrade!</source>
        <translation>%1 hardware mismatch, unable to upgrade!</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeForm</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware Upgrade</translation>
    </message>
    <message>
        <source>Upgrade File</source>
        <translation>Upgrade File</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Upload Audio File</source>
        <translation>Upload Audio File</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>%1 (*.rom *.pkg)</source>
        <translation>%1 (*.rom *.pkg)</translation>
    </message>
    <message>
        <source>%1 (*.mp3)</source>
        <translation>%1 (*.mp3)</translation>
    </message>
    <message>
        <source>%1 - Open</source>
        <translation>%1 - Open</translation>
    </message>
</context>
<context>
    <name>IPPlan</name>
    <message>
        <source>%1 is not a valid subnet mask.</source>
        <translation>%1 is not a valid subnet mask.</translation>
    </message>
    <message>
        <source>%1 cannot be given to a device.</source>
        <translation>%1 cannot be given to a device.</translation>
    </message>
    <message>
        <source>%1 is the network address of its subnet %2.</source>
        <translation>%1 is the network address of its subnet %2.</translation>
    </message>
    <message>
        <source>%1 is the broadcast address of its subnet %2.</source>
        <translation>%1 is the broadcast address of its subnet %2.</translation>
    </message>
    <message>
        <source>The gateway %1 is not a host of the subnet %2.</source>
        <translation>The gateway %1 is not a host of the subnet %2.</translation>
    </message>
    <message>
        <source>Numbering from %1 runs past the last address of its subnet %2: only %3 of the %4 ticked devices fit.</source>
        <translation>Numbering from %1 runs past the last address of its subnet %2: only %3 of the %4 ticked devices fit.</translation>
    </message>
    <message>
        <source>The gateway %1 would be the address of a ticked device.</source>
        <translation>The gateway %1 would be the address of a ticked device.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Select Inverse</source>
        <translation>Select Inverse</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Selected:</translation>
    </message>
    <message>
        <source>Main Stream Play</source>
        <translation>Main Stream Play</translation>
    </message>
    <message>
        <source>Network Segment:</source>
        <translation>Network Segment:</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Devices Information</source>
        <translation>Devices Information</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>main</comment>
        <translation>Ready</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Remote Configuration</source>
        <translation>Remote Configuration</translation>
    </message>
    <message>
        <source>Open Browser</source>
        <translation>Open Browser</translation>
    </message>
    <message>
        <source>View QR Codes</source>
        <translation>View QR Codes</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Searching for available IPs...</source>
        <translation>Searching for available IPs...</translation>
    </message>
    <message>
        <source>Abort Search</source>
        <translation>Abort Search</translation>
    </message>
    <message>
        <source>Cannot tell whether %1 is free (%2). No device was changed.</source>
        <translation>Cannot tell whether %1 is free (%2). No device was changed.</translation>
    </message>
    <message>
        <source>%1 dose not contain a valid cloud ID, so the printed tag serial number is unpredictable, continue anyway?</source>
        <translation>%1 dose not contain a valid cloud ID, so the printed tag serial number is unpredictable, continue anyway?</translation>
    </message>
    <message>
        <source>Logon failed, please change the IP address to the same network segment on the host</source>
        <translation>Logon failed, please change the IP address to the same network segment on the host</translation>
    </message>
    <message>
        <source>%1 No device was changed.</source>
        <translation>%1 No device was changed.</translation>
    </message>
</context>
<context>
    <name>ModifyIPDialog</name>
    <message>
        <source>Set IP</source>
        <translation>Set IP</translation>
    </message>
    <message>
        <source>Modify the IP start address</source>
        <translation>Modify the IP start address</translation>
    </message>
    <message>
        <source>Batch modify the specified IP</source>
        <translation>Batch modify the specified IP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
</context>
<context>
    <name>NetSDKInstance</name>
    <message>
        <source>Infrared Lamp</source>
        <translation>Infrared Lamp</translation>
    </message>
    <message>
        <source>White Lamp</source>
        <translation>White Lamp</translation>
    </message>
    <message>
        <source>Dual Lamp</source>
        <translation>Dual Lamp</translation>
    </message>
    <message>
        <source>Lampless</source>
        <translation>Lampless</translation>
    </message>
</context>
<context>
    <name>OperationForm</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Operational Instruction</source>
        <translation>Operational Instruction</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Set IP</translation>
    </message>
    <message>
        <source>Set the IP of the device to the same network segment as the local machine</source>
        <translation>Set the IP of the device to the same network segment as the local machine</translation>
    </message>
    <message>
        <source>Sync IP</source>
        <translation>Sync IP</translation>
    </message>
    <message>
        <source>Open Full Netcom</source>
        <translation>Open Full Netcom</translation>
    </message>
    <message>
        <source>Close Full Netcom</source>
        <translation>Close Full Netcom</translation>
    </message>
    <message>
        <source>Sync Time</source>
        <translation>Sync Time</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reboot</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Play Checked Device</source>
        <translation>Play Checked Device</translation>
    </message>
    <message>
        <source>Set OSD</source>
        <translation>Set OSD</translation>
    </message>
    <message>
        <source>Enable OSD</source>
        <translation>Enable OSD</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Date Format</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (1990-10-15)</source>
        <translation>YYYY-MM-DD (1990-10-15)</translation>
    </message>
    <message>
        <source>MM-DD-YYYY (10-15-1990)</source>
        <translation>MM-DD-YYYY (10-15-1990)</translation>
    </message>
    <message>
        <source>DD-MM-YYYY (15-10-1990)</source>
        <translation>DD-MM-YYYY (15-10-1990)</translation>
    </message>
    <message>
        <source>YYYY/MM/DD (1990/10/15)</source>
        <translation>YYYY/MM/DD (1990/10/15)</translation>
    </message>
    <message>
        <source>MM/DD/YYYY (10/15/1990)</source>
        <translation>MM/DD/YYYY (10/15/1990)</translation>
    </message>
    <message>
        <source>DD/MM/YYYY (15/10/1990)</source>
        <translation>DD/MM/YYYY (15/10/1990)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Image Test</source>
        <translation>Image Test</translation>
    </message>
    <message>
        <source>Label Printing</source>
        <translation>Label Printing</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>General Settings</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Search Timeouts:</source>
        <translation>Search Timeouts:</translation>
    </message>
    <message>
        <source>Session Port:</source>
        <translation>Session Port:</translation>
    </message>
    <message>
        <source>Stream Port:</source>
        <translation>Stream Port:</translation>
    </message>
    <message>
        <source>(Restart to take effect)</source>
        <translation>(Restart to take effect)</translation>
    </message>
</context>
<context>
    <name>PingProbe</name>
    <message>
        <source>ping could not start: %1</source>
        <translation>ping could not start: %1</translation>
    </message>
    <message>
        <source>ping did not finish</source>
        <translation>ping did not finish</translation>
    </message>
    <message>
        <source>ping crashed</source>
        <translation>ping crashed</translation>
    </message>
    <message>
        <source>ping exited with code %1</source>
        <translation>ping exited with code %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Your file is relatively large, due to IPC capacity limitation, only the first ten seconds of audio will be uploaded. Do you want to continue?</source>
        <translation>Your file is relatively large, due to IPC capacity limitation, only the first ten seconds of audio will be uploaded. Do you want to continue?</translation>
    </message>
    <message>
        <source>The audio decoder is not installed correctly. Please reinstall the program.</source>
        <translation>The audio decoder is not installed correctly. Please reinstall the program.</translation>
    </message>
</context>
<context>
    <name>QrcodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>QR Code</translation>
    </message>
    <message>
        <source>Download App QR code</source>
        <translation>Download App QR code</translation>
    </message>
    <message>
        <source>Device QR code</source>
        <translation>Device QR code</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 - Save As</source>
        <translation>%1 - Save As</translation>
    </message>
    <message>
        <source>%1 (*.png)</source>
        <translation>%1 (*.png)</translation>
    </message>
</context>
</TS>
