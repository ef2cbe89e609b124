<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BrushWidget</name>
    <message>
        <source>No Brush</source>
        <translation>无填充</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>实心</translation>
    </message>
    <message>
        <source>Dense #1</source>
        <translation>密集 1</translation>
    </message>
    <message>
        <source>Dense #2</source>
        <translation>密集 2</translation>
    </message>
    <message>
        <source>Dense #3</source>
        <translation>密集 3</translation>
    </message>
    <message>
        <source>Dense #4</source>
        <translation>密集 4</translation>
    </message>
    <message>
        <source>Dense #5</source>
        <translation>密集 5</translation>
    </message>
    <message>
        <source>Dense #6</source>
        <translation>密集 6</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平线</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直线</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字线</translation>
    </message>
    <message>
        <source>Diagonal /</source>
        <translation>斜线 /</translation>
    </message>
    <message>
        <source>Diagonal \</source>
        <translation>斜线 \</translation>
    </message>
    <message>
        <source>Diagonal Cross</source>
        <translation>斜十字线</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ready</source>
        <comment>main</comment>
        <translation>就绪</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>Save unsaved changes?</source>
        <translation>是否保存未保存的更改？</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>%1 - V%2 (%3)</source>
        <translation>%1 - V%2 (%3)</translation>
    </message>
    <message>
        <source>Sabbeth</source>
        <translation>Sabbeth 标签设计</translation>
    </message>
    <message>
        <source>No label document to print.</source>
        <translation>没有可打印的标签文档。</translation>
    </message>
    <message>
        <source>%1 cannot be exported at %2 dpi: the image would exceed %3 megapixels. The largest resolution that fits is %4 dpi (%5 x %6 pixels).</source>
        <translation>无法以 %2 dpi 导出 %1：图像将超过 %3 百万像素。可容纳的最高分辨率为 %4 dpi（%5 x %6 像素）。</translation>
    </message>
    <message>
        <source>Failed to export: %1</source>
        <translation>导出失败：%1</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>已导出 %1</translation>
    </message>
    <message>
        <source>%1 - Open</source>
        <translation>%1 - 打开</translation>
    </message>
    <message>
        <source>Sabbeth (*.tmq)</source>
        <translation>Sabbeth 标签 (*.tmq)</translation>
    </message>
    <message>
        <source>%1 - Save As</source>
        <translation>%1 - 另存为</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>Failed to open file: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>%1 is not a %2 file</source>
        <translation>%1 不是 %2 文件</translation>
    </message>
    <message>
        <source>%1 needs a more recent version of %2</source>
        <translation>%1 需要更新版本的 %2</translation>
    </message>
    <message>
        <source>%1 is a damaged %2 file</source>
        <translation>%1 是已损坏的 %2 文件</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <translation>已加载 %1</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>没有可用的打印机。</translation>
    </message>
    <message>
        <source>Failed to print on %1.</source>
        <translation>无法在 %1 上打印。</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>已打印 %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>;;Bitmap image</source>
        <translation>;;位图图像</translation>
    </message>
    <message>
        <source>;;Vector image (*.svg)</source>
        <translation>;;矢量图像 (*.svg)</translation>
    </message>
    <message>
        <source>%1 - Export</source>
        <translation>%1 - 导出</translation>
    </message>
    <message>
        <source>Failed to save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Page Size...</source>
        <translation>页面大小...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>打印预览...</translation>
    </message>
    <message>
        <source>Edit Selected Item...</source>
        <translation>编辑所选项...</translation>
    </message>
    <message>
        <source>Add Text...</source>
        <translation>添加文本...</translation>
    </message>
    <message>
        <source>Add Box</source>
        <translation>添加方框</translation>
    </message>
    <message>
        <source>Add QR Code</source>
        <translation>添加二维码</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶端对齐</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底端对齐</translation>
    </message>
    <message>
        <source>Clear Transformations</source>
        <translation>清除旋转</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom Fit</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>显示网格</translation>
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
        <translation>文件</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>几何</translation>
    </message>
    <message>
        <source>Brush (Fill)</source>
        <translation>画刷（填充）</translation>
    </message>
    <message>
        <source>Pen (Outline)</source>
        <translation>画笔（轮廓）</translation>
    </message>
    <message>
        <source>The clipboard holds label items that %1 cannot read.</source>
        <translation>剪贴板中的标签项 %1 无法读取。</translation>
    </message>
</context>
<context>
    <name>PenWidget</name>
    <message>
        <source>No Pen</source>
        <translation>无轮廓</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>实线</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>虚线</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>点线</translation>
    </message>
    <message>
        <source>Dash-Dotted</source>
        <translation>点划线</translation>
    </message>
    <message>
        <source>Dash-Dot-Dotted</source>
        <translation>双点划线</translation>
    </message>
    <message>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>1 px (fine)</source>
        <translation>1 像素（细线）</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
</context>
<context>
    <name>PrinterSetting</name>
    <message>
        <source>Page Setting</source>
        <translation>页面设置</translation>
    </message>
    <message>
        <source>Custom Page Size</source>
        <translation>自定义页面大小</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>磅</translation>
    </message>
    <message>
        <source>Graphical</source>
        <translation>图形</translation>
    </message>
    <message>
        <source>Print quality:</source>
        <translation>打印质量：</translation>
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
        <translation>二维码内容：</translation>
    </message>
</context>
<context>
    <name>TextEdit</name>
    <message>
        <source>The content in {} will be replaced. %1 %2</source>
        <translation>{} 中的内容将被替换。%1 %2</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>字号：</translation>
    </message>
</context>
<context>
    <name>TextItemDialog</name>
    <message>
        <source>%1 - %2 Text Item</source>
        <translation>%1 - %2文本项</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
</context>
<context>
    <name>TransformWidget</name>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
</TS>
