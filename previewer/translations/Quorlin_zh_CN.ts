<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Quorlin</source>
        <translation>Quorlin 预览</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>IPC Previewer with PTZ Control</source>
        <translation>带云台控制的IPC预览器</translation>
    </message>
</context>
<context>
    <name>VisualizerUnit</name>
    <message>
        <source>PTZ Control</source>
        <translation>云台控制</translation>
    </message>
    <message>
        <source>High Definition</source>
        <translation>高清</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>保持宽高比</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>PTZ Control</source>
        <translation>云台控制</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>变倍</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>聚焦</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>光圈</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预置位</translation>
    </message>
    <message>
        <source>1-255</source>
        <translation>1-255</translation>
    </message>
    <message>
        <source>Invoke</source>
        <translation>调用</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
</context>
</TS>
