<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DeviceTableModel</name>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Cloud ID</source>
        <translation>云ID</translation>
    </message>
    <message>
        <source>Full Netcom</source>
        <translation>全网通</translation>
    </message>
    <message>
        <source>Lamp Board</source>
        <translation>灯板</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Current Version</source>
        <translation>当前版本</translation>
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
        <translation>序列号</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>硬件版本</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>设备ID</translation>
    </message>
    <message>
        <source>Try to sign in</source>
        <translation>正在尝试登录</translation>
    </message>
    <message>
        <source>Not Accessible</source>
        <translation>不可访问</translation>
    </message>
    <message>
        <source>Accessible</source>
        <translation>可访问</translation>
    </message>
    <message>
        <source>Setting the date and time</source>
        <translation>正在设置日期和时间</translation>
    </message>
    <message>
        <source>Setting failed</source>
        <translation>设置失败</translation>
    </message>
    <message>
        <source>Successfully set</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <source>Restarting the device</source>
        <translation>正在重启设备</translation>
    </message>
    <message>
        <source>Restart failed</source>
        <translation>重启失败</translation>
    </message>
    <message>
        <source>Restart succeeded. Please wait a moment and refresh</source>
        <translation>重启成功，请稍候刷新</translation>
    </message>
    <message>
        <source>Restoring settings</source>
        <translation>正在恢复设置</translation>
    </message>
    <message>
        <source>Restore failed</source>
        <translation>恢复失败</translation>
    </message>
    <message>
        <source>Restore succeeded. Please wait a moment and refresh</source>
        <translation>恢复成功，请稍候刷新</translation>
    </message>
    <message>
        <source>Setting the title</source>
        <translation>正在设置标题</translation>
    </message>
    <message>
        <source>Uploading audio file</source>
        <translation>正在上传音频文件</translation>
    </message>
    <message>
        <source>Upload failed</source>
        <translation>上传失败</translation>
    </message>
    <message>
        <source>Upload successfully</source>
        <translation>上传成功</translation>
    </message>
    <message>
        <source>Upgrade to %1</source>
        <translation>升级到 %1</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>升级失败</translation>
    </message>
    <message>
        <source>Upgrade successfully, waiting to restart</source>
        <translation>升级成功，等待重启</translation>
    </message>
    <message>
        <source>Setting IP address</source>
        <translation>正在设置IP地址</translation>
    </message>
    <message>
        <source>Setting full netcom</source>
        <translation>正在设置全网通</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Unknown Accessibility</source>
        <translation>访问状态未知</translation>
    </message>
    <message>
        <source>%1 hardware mismatch, unable to upgrade!</source>
        <translation>%1 硬件不匹配，无法升级！</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeForm</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Upgrade File</source>
        <translation>升级文件</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Upload Audio File</source>
        <translation>上传音频文件</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
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
        <translation>%1 - 打开</translation>
    </message>
</context>
<context>
    <name>IPPlan</name>
    <message>
        <source>%1 is not a valid subnet mask.</source>
        <translation>%1 不是有效的子网掩码。</translation>
    </message>
    <message>
        <source>%1 cannot be given to a device.</source>
        <translation>%1 不能分配给设备。</translation>
    </message>
    <message>
        <source>%1 is the network address of its subnet %2.</source>
        <translation>%1 是其子网 %2 的网络地址。</translation>
    </message>
    <message>
        <source>%1 is the broadcast address of its subnet %2.</source>
        <translation>%1 是其子网 %2 的广播地址。</translation>
    </message>
    <message>
        <source>The gateway %1 is not a host of the subnet %2.</source>
        <translation>网关 %1 不是子网 %2 中的主机地址。</translation>
    </message>
    <message>
        <source>Numbering from %1 runs past the last address of its subnet %2: only %3 of the %4 ticked devices fit.</source>
        <translation>从 %1 开始编号会超出其子网 %2 的最后一个地址：勾选的 %4 台设备中只能容纳 %3 台。</translation>
    </message>
    <message>
        <source>The gateway %1 would be the address of a ticked device.</source>
        <translation>网关 %1 会成为一台勾选设备的地址。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Select Inverse</source>
        <translation>反选</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>总数：</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>已选：</translation>
    </message>
    <message>
        <source>Main Stream Play</source>
        <translation>主码流播放</translation>
    </message>
    <message>
        <source>Network Segment:</source>
        <translation>网段：</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>选项...</translation>
    </message>
    <message>
        <source>Devices Information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>main</comment>
        <translation>就绪</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Remote Configuration</source>
        <translation>远程配置</translation>
    </message>
    <message>
        <source>Open Browser</source>
        <translation>打开浏览器</translation>
    </message>
    <message>
        <source>View QR Codes</source>
        <translation>查看二维码</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Searching for available IPs...</source>
        <translation>正在搜索可用IP...</translation>
    </message>
    <message>
        <source>Abort Search</source>
        <translation>中止搜索</translation>
    </message>
    <message>
        <source>Cannot tell whether %1 is free (%2). No device was changed.</source>
        <translation>无法判断 %1 是否空闲（%2）。没有修改任何设备。</translation>
    </message>
    <message>
        <source>%1 dose not contain a valid cloud ID, so the printed tag serial number is unpredictable, continue anyway?</source>
        <translation>%1 没有有效的云ID，打印的标签序列号无法确定，是否继续？</translation>
    </message>
    <message>
        <source>Logon failed, please change the IP address to the same network segment on the host</source>
        <translation>登录失败，请将IP地址修改为与主机相同的网段</translation>
    </message>
    <message>
        <source>%1 No device was changed.</source>
        <translation>%1没有修改任何设备。</translation>
    </message>
</context>
<context>
    <name>ModifyIPDialog</name>
    <message>
        <source>Set IP</source>
        <translation>设置IP</translation>
    </message>
    <message>
        <source>Modify the IP start address</source>
        <translation>修改IP起始地址</translation>
    </message>
    <message>
        <source>Batch modify the specified IP</source>
        <translation>批量修改为指定IP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
</context>
<context>
    <name>NetSDKInstance</name>
    <message>
        <source>Infrared Lamp</source>
        <translation>红外灯</translation>
    </message>
    <message>
        <source>White Lamp</source>
        <translation>白光灯</translation>
    </message>
    <message>
        <source>Dual Lamp</source>
        <translation>双光灯</translation>
    </message>
    <message>
        <source>Lampless</source>
        <translation>无灯</translation>
    </message>
</context>
<context>
    <name>OperationForm</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Operational Instruction</source>
        <translation>操作指令</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>设置IP</translation>
    </message>
    <message>
        <source>Set the IP of the device to the same network segment as the local machine</source>
        <translation>将设备IP设置为与本机相同的网段</translation>
    </message>
    <message>
        <source>Sync IP</source>
        <translation>同步IP</translation>
    </message>
    <message>
        <source>Open Full Netcom</source>
        <translation>开启全网通</translation>
    </message>
    <message>
        <source>Close Full Netcom</source>
        <translation>关闭全网通</translation>
    </message>
    <message>
        <source>Sync Time</source>
        <translation>同步时间</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>恢复出厂</translation>
    </message>
    <message>
        <source>Play Checked Device</source>
        <translation>播放选中设备</translation>
    </message>
    <message>
        <source>Set OSD</source>
        <translation>设置OSD</translation>
    </message>
    <message>
        <source>Enable OSD</source>
        <translation>启用OSD</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>YYYY-MM-DD (1990-10-15)</source>
        <translation>年-月-日 (1990-10-15)</translation>
    </message>
    <message>
        <source>MM-DD-YYYY (10-15-1990)</source>
        <translation>月-日-年 (10-15-1990)</translation>
    </message>
    <message>
        <source>DD-MM-YYYY (15-10-1990)</source>
        <translation>日-月-年 (15-10-1990)</translation>
    </message>
    <message>
        <source>YYYY/MM/DD (1990/10/15)</source>
        <translation>年/月/日 (1990/10/15)</translation>
    </message>
    <message>
        <source>MM/DD/YYYY (10/15/1990)</source>
        <translation>月/日/年 (10/15/1990)</translation>
    </message>
    <message>
        <source>DD/MM/YYYY (15/10/1990)</source>
        <translation>日/月/年 (15/10/1990)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Image Test</source>
        <translation>图像测试</translation>
    </message>
    <message>
        <source>Label Printing</source>
        <translation>标签打印</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>常规设置</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Search Timeouts:</source>
        <translation>搜索超时：</translation>
    </message>
    <message>
        <source>Session Port:</source>
        <translation>会话端口：</translation>
    </message>
    <message>
        <source>Stream Port:</source>
        <translation>码流端口：</translation>
    </message>
    <message>
        <source>(Restart to take effect)</source>
        <translation>（重启后生效）</translation>
    </message>
</context>
<context>
    <name>PingProbe</name>
    <message>
        <source>ping could not start: %1</source>
        <translation>无法启动 ping：%1</translation>
    </message>
    <message>
        <source>ping did not finish</source>
        <translation>ping 未能结束</translation>
    </message>
    <message>
        <source>ping crashed</source>
        <translation>ping 崩溃</translation>
    </message>
    <message>
        <source>ping exited with code %1</source>
        <translation>ping 以代码 %1 退出</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Your file is relatively large, due to IPC capacity limitation, only the first ten seconds of audio will be uploaded. Do you want to continue?</source>
        <translation>文件较大，受IPC容量限制，只会上传前十秒的音频。是否继续？</translation>
    </message>
    <message>
        <source>The audio decoder is not installed correctly. Please reinstall the program.</source>
        <translation>音频解码器没有正确安装，请重新安装程序。</translation>
    </message>
</context>
<context>
    <name>QrcodeDialog</name>
    <message>
        <source>QR Code</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>Download App QR code</source>
        <translation>下载App二维码</translation>
    </message>
    <message>
        <source>Device QR code</source>
        <translation>设备二维码</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 - Save As</source>
        <translation>%1 - 另存为</translation>
    </message>
    <message>
        <source>%1 (*.png)</source>
        <translation>%1 (*.png)</translation>
    </message>
</context>
</TS>
