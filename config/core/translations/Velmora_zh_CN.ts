<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>AccountManager</name>
    <message>
        <source>管理员</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>操作员</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>查看者</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>AccountManager</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户管理</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户状态</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>添加用户</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除用户</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>修改用户</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>禁用</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>不能重复添加账户 %1 ！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>内置管理员账户不能删除！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>您确定要删除用户 %1 吗？</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>AddTaskDialog</name>
    <message>
        <source>布防设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>撤防时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重复次数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>报警声音</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>试听</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>📢</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>必须先建立一个有效的布防区域，可以在视频界面拖动鼠标建立</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>AlarmNotificationWidget</name>
    <message>
        <source>AlarmNotificationWidget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>告警</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CoverDetectionWidget</name>
    <message>
        <source>CoverDetectionWidget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>撤防时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重复次数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>声音</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用遮挡侦测</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>灵敏度(1-5)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>报警阈值(0-100)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>报警方式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>警示灯闪烁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放提示音</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>DeviceSizeTable</name>
    <message>
        <source>Drive Letter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Used Space</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Total Size</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Used Percentage</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>InputUserDialog</name>
    <message>
        <source>用户配置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户信息</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>管理员</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>操作员</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>查看者</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确认密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户组</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户启用</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户名称不能超过31个字节！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码不能超过31个字节！</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>JT808Widget</name>
    <message>
        <source>JT808Widget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>JT808</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>服务器地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>服务器端口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>车牌号</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>车牌颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>终端ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>终端型号</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>厂商ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>省域ID(0-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>市域ID(0-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>JT808设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>服务器地址无效，请输入完整的IP地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在配置JT808参数，请等待IPC重启... </source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>登录 IPC</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录信息</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>admin</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>730518</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频端口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>会话端口</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MotionDetectionWidget</name>
    <message>
        <source>MotionDetectionWidget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>移动侦测告警</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>报警方式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>警示灯闪烁</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放提示音</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>灵敏度(1-100)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>告警门限(1-100)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>区域数量</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用夜间参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>夜间结束时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>夜间起始时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>移动侦测设防时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时段</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>起始时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>结束时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>添加</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>RecordConfigWidget</name>
    <message>
        <source>RecordConfigWidget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Storage policy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>If there is not enough space, delete the old files</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>If there is not enough space, stop recording</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>File configuration</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Single file duration (minutes)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stream Type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Main Stream</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sub Stream</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Media Format</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>MP4</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Record audio</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Save path</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>RecordScheduleWidget</name>
    <message>
        <source>RecordScheduleWidget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用录像计划</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>全天</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>工作日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>定制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>RemoteConfigDialog</name>
    <message>
        <source>远程配置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网络设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网络状态</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>以太网设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>28181设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>JT808设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>RTMP设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频采集设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时间和标题</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频编码设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频采集设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频编码设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>补光灯设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>隐私遮挡设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>告警设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>告警通知</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>人形识别</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>移动侦测</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>遮挡侦测</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>系统设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>用户管理</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>系统时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>系统维护</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>存储设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>基本配置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>定时录像</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>有线网络</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>MAC地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网路IP类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>IP地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>网关</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>子网掩码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DNS1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DNS2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>IP自适应</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设备能力集</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>IP 自适应</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>云平台设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录云管理平台</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>同步时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>云密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码确认</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>长度位8-16位字符，必须包含数字和字母</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>流媒体设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>是否需要认证</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体访问端口(554,1000-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体访问协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>云台控制端口(801,1000-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Web访问端口(80,1000-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>RTP最大包长</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用28181协议</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>本地SIP端口(1025-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SIP服务器ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SIP服务器域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SIP服务器地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>000.000.000.000</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SIP服务器端口(1-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SIP用户名</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SIP用户认证ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>确认密码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>注册有效期（秒）</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>心跳周期(5-3600)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>最大心跳超时次数(3-255)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>28181码流索引</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>主码流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>子码流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频通道编码ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>音频输出通道ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>报警ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OSD 设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>日期和时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>区域横坐标百分比(%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>区域纵坐标百分比(%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时间显示格式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>24 时制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>12 时制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>显示星期</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>日期格式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>YYYY-MM-DD (1990-10-15)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>MM-DD-YYYY (10-15-1990)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DD-MM-YYYY (15-10-1990)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>YYYY/MM/DD (1990/10/15)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>MM/DD/YYYY (10/15/1990)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DD/MM/YYYY (15/10/1990)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期显示风格</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>英文</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>中文</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>标题</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>通道号</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>通道名(不超过32个字符)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>编码格式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>H.264</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>H.265</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>分辨率</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>比特率控制</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CBR</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>帧率</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>码率(256-8k)kbps</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>(64-1k)kbps</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>采集音量(1-100)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>播放音量(1-100)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>采样率</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8000</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>16000</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>32000</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>位宽</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>输入方式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Mic</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用音频编码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>编码方式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>G711A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>G711U</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用音频解码</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>AAC</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>灯光模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>图像模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自动</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>白天</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>夜晚</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>定时</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>夜晚开始时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>夜晚结束时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>光敏类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>硬光敏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>软光敏</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>灯源启动灵敏度(早-中-晚)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>灯源自动调节灵敏度(快-中-慢)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>调光模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>手动</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>光照亮度(0-100)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>灯光类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>红外</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>暖光</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>IRCUT触发</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正向</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>反向</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>颜色</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>区域宽度百分比(%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>区域高度百分比(%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>媒体状态信息</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>I帧间隔</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>比特率</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2304 x 1296</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>640 x 360</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>H265</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>40</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2500</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>500</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>灵敏度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>告警联动</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>告警灯</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>声音播报</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>撤防时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>布防日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重复次数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>声音</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>添加</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>删除</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重置区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>工作方式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>NTP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时区</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm:ss</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>NTP 服务器</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>NTP 端口</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>NTP 同步周期</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>与本机一致</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>定时维护</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>维护日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期一</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期二</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期三</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期四</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期五</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>星期六</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>每天</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>重启时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设备信息</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>序列号</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>编译时间</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>设备版本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>硬件版本</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>立刻重启</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在设置布防区域，请等待...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 @%2 - V%3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在设置视频编码参数，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在设置音频采集参数，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在配置音频编解码器参数，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>红外普通模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>白光（暖光）普通模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>双光源（红外、白光/暖光）普通模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>红外智能调光模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>白光/暖光智能调光模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>双光源（红外、白光/暖光）智能调光模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>红光</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>光照亮度(%1%)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在提交灯光设置，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在提交隐私区域设置，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Static IP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>远程IPC的地址已经设置成功，配置程序需要重新登录，本窗口将自动关闭！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请重新登录</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在设置OSD参数，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>密码校验</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>两次密码输入不一致，请重新输入密码，确保一致！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在配置GB28181参数，请等待IPC重启...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在设置IPC的时间，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在提交定期维护信息，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>远程IPC已经重启，配置程序需要重新登录，本窗口将自动关闭！</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>远程IPC已经恢复出厂设置，配置程序需要重新登录，本窗口将自动关闭！</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>RtmpClientWidget</name>
    <message>
        <source>以上参数的含义是什么？例如RTMP推流URL如下，以字符/拆分可以得到对应的参数。</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1) 服务器地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2) 端口号</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>缺省时默认是1935，如果</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>后面接着 ':数字'，该数字表示端口号</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3) 应用名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>4) 流ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>RtmpClientWidget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用 RTMP</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>主码流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>子码流</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>码流类型</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>服务器地址</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>端口号(1-65535)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>应用名称</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>流ID</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在配置RTMP参数，请稍等...</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ShieldTaskManager</name>
    <message>
        <source>周一到周五</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>周一到周六</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>周六、周日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>周日</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>每天</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>蓝色区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>粉色区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>黄色区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>绿色区域</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>预留</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>VideoISPConfigWidget</name>
    <message>
        <source>VideoISPConfigWidget</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>禁用</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>自动</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>手动</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频采集设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>室内</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>室外</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>视频制式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>水平翻转</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>垂直翻转</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>防止过曝</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>场景模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>高级参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>AE灵敏度(0-255)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>AE容忍度(0-255)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>宽动态增强</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3D降噪增强</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3D降噪</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>曝光模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>白平衡</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>宽动态</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>镜头畸变</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>透雾模式</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>默认参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PAL</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>NTSC</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>VideoSurface</name>
    <message>
        <source>用户名或密码错误，无法显示实时视频</source>
        <translation>用户名或密码错误，无法显示实时视频</translation>
    </message>
    <message>
        <source>用户名和密码太长（超过%1个字符），无法显示实时视频</source>
        <translation>用户名和密码太长（超过%1个字符），无法显示实时视频</translation>
    </message>
    <message>
        <source>正在重新连接...</source>
        <translation>正在重新连接...</translation>
    </message>
</context>
<context>
    <name>ZRSDKInstance</name>
    <message>
        <source>正在配置移动侦测参数，请等待...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在配置遮挡侦测参数，请等待...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>正在配置视频采集参数，请稍后...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Motion detection</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Humanoid detection</source>
        <translation>人形识别</translation>
    </message>
    <message>
        <source>Video occlusion</source>
        <translation>视频遮挡</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>IPC 远程配置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>请在执行程序后面加上目标IPC的IP地址，
例如：%1 -i 192.168.1.1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>登录IPC %1 失败，请检查设备是否连接正常，用户名和密码是否正确</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>