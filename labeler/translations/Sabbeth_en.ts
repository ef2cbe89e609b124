<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BrushWidget</name>
    <message>
        <source>No Brush</source>
        <translation>No Brush</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Dense #1</source>
        <translation>Dense #1</translation>
    </message>
    <message>
        <source>Dense #2</source>
        <translation>Dense #2</translation>
    </message>
    <message>
        <source>Dense #3</source>
        <translation>Dense #3</translation>
    </message>
    <message>
        <source>Dense #4</source>
        <translation>Dense #4</translation>
    </message>
    <message>
        <source>Dense #5</source>
        <translation>Dense #5</translation>
    </message>
    <message>
        <source>Dense #6</source>
        <translation>Dense #6</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Diagonal /</source>
        <translation>Diagonal /</translation>
    </message>
    <message>
        <source>Diagonal \</source>
        <translation>Diagonal \</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>Diagonal Cross</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ready</source>
        <comment>main</comment>
        <translation>Ready</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Save unsaved changes?</source>
        <translation>Save unsaved changes?</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Unnamed</translation>
    </message>
    <message>
        <source>%1 - V%2 (%3)</source>
        <translation>%1 - V%2 (%3)</translation>
    </message>
    <message>
        <source>Sabbeth</source>
        <translation>Sabbeth</translation>
    </message>
    <message>
        <source>No label document to print.</source>
        <translation>No label document to print.</translation>
    </message>
    <message>
        <source>%1 cannot be exported at %2 dpi: the image would exceed %3 megapixels. The largest resolution that fits is %4 dpi (%5 x %6 pixels).</source>
        <translation>%1 cannot be exported at %2 dpi: the image would exceed %3 megapixels. The largest resolution that fits is %4 dpi (%5 x %6 pixels).</translation>
    </message>
    <message>
        <source>Failed to export: %1</source>
        <translation>Failed to export: %1</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Exported %1</translation>
    </message>
    <message>
        <source>%1 - Open</source>
        <translation>%1 - Open</translation>
    </message>
    <message>
        <source>Sabbeth (*.tmq)</source>
        <translation>Sabbeth (*.tmq)</translation>
    </message>
    <message>
        <source>%1 - Save As</source>
        <translation>%1 - Save As</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>Failed to open file: %1</translation>
    </message>
    <message>
        <source>%1 is not a %2 file</source>
        <translation>%1 is not a %2 file</translation>
    </message>
    <message>
        <source>%1 needs a more recent version of %2</source>
        <translation>%1 needs a more recent version of %2</translation>
    </message>
    <message>
        <source>%1 is a damaged %2 file</source>
        <translation>%1 is a damaged %2 file</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>Loaded %1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No printer is available.</translation>
    </message>
    <message>
        <source>Failed to print on %1.</source>
        <translation>Failed to print on %1.</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Printed %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>;;Bitmap image</source>
        <translation>;;Bitmap image</translation>
    </message>
    <message>
        <source>;;Vector image (*.svg)</source>
        <translation>;;Vector image (*.svg)</translation>
    </message>
    <message>
        <source>%1 - Export</source>
        <translation>%1 - Export</translation>
    </message>
    <message>
        <source>Failed to save %1: %2</source>
        <translation>Failed to save %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Page Size...</source>
        <translation>Page Size...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Print Preview...</translation>
    </message>
    <message>
        <source>Edit Selected Item...</source>
        <translation>Edit Selected Item...</translation>
    </message>
    <message>
        <source>Add Text...</source>
        <translation>Add Text...</translation>
    </message>
    <message>
        <source>Add Box</source>
        <translation>Add Box</translation>
    </message>
    <message>
        <source>Add QR Code</source>
        <translation>Add QR Code</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Clear Transformations</source>
        <translation>Clear Transformations</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Zoom Fit</source>
        <translation>Zoom Fit</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Show Grid</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Align</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Brush (Fill)</source>
        <translation>Brush (Fill)</translation>
    </message>
    <message>
        <source>Pen (Outline)</source>
        <translation>Pen (Outline)</translation>
    </message>
    <message>
        <source>The clipboard holds label items that %1 cannot read.</source>
        <translation>The clipboard holds label items that %1 cannot read.</translation>
    </message>
</context>
<context>
    <name>PenWidget</name>
    <message>
        <source>No Pen</source>
        <translation>No Pen</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Dotted</translation>
    </message>
    <message>
        <source>Dash-Dotted</source>
        <translation>Dash-Dotted</translation>
    </message>
    <message>
        <source>Dash-Dot-Dotted</source>
        <translation>Dash-Dot-Dotted</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>1 px (fine)</source>
        <translation>1 px (fine)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
</context>
<context>
    <name>PrinterSetting</name>
    <message>
        <source>Page Setting</source>
        <translation>Page Setting</translation>
    </message>
    <message>
        <source>Custom Page Size</source>
        <translation>Custom Page Size</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Inch</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Graphical</source>
        <translation>Graphical</translation>
    </message>
    <message>
        <source>Print quality:</source>
        <translation>Print quality:</translation>
    </message>
    <message>
        <source>72dpi</source>
        <translation>72dpi</translation>
    </message>
    <message>
        <source>96dpi</source>
        <translation>96dpi</translation>
    </message>
    <message>
        <source>144dpi</source>
        <translation>144dpi</translation>
    </message>
    <message>
        <source>300dpi</source>
        <translation>300dpi</translation>
    </message>
    <message>
        <source>600dpi</source>
        <translation>600dpi</translation>
    </message>
    <message>
        <source>1200dpi</source>
        <translation>1200dpi</translation>
    </message>
    <message>
        <source>2400dpi</source>
        <translation>2400dpi</translation>
    </message>
    <message>
        <source>3600dpi</source>
        <translation>3600dpi</translation>
    </message>
    <message>
        <source>4000dpi</source>
        <translation>4000dpi</translation>
    </message>
</context>
<context>
    <name>QRCodeItem</name>
    <message>
        <source>QR barcode:</source>
        <translation>QR barcode:</translation>
    </message>
</context>
<context>
    <name>TextEdit</name>
    <message>
        <source>The content in {} will be replaced. %1 %2</source>
        <translation>The content in {} will be replaced. %1 %2</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
</context>
<context>
    <name>TextItemDialog</name>
    <message>
        <source>%1 - %2 Text Item</source>
        <translation>%1 - %2 Text Item</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>TransformWidget</name>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
</context>
</TS>
