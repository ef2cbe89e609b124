<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AccountManager</name>
    <message>
        <source>管理员</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>操作员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>查看者</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <source>AccountManager</source>
        <translation>User management</translation>
    </message>
    <message>
        <source>用户管理</source>
        <translation>User management</translation>
    </message>
    <message>
        <source>用户名称</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>用户组</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>用户状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>添加用户</source>
        <translation>Add user</translation>
    </message>
    <message>
        <source>删除用户</source>
        <translation>Delete user</translation>
    </message>
    <message>
        <source>修改用户</source>
        <translation>Edit user</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>禁用</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>不能重复添加账户 %1 ！</source>
        <translation>Account %1 already exists!</translation>
    </message>
    <message>
        <source>内置管理员账户不能删除！</source>
        <translation>The built-in administrator account cannot be deleted!</translation>
    </message>
    <message>
        <source>您确定要删除用户 %1 吗？</source>
        <translation>Are you sure you want to delete user %1?</translation>
    </message>
</context>
<context>
    <name>AddTaskDialog</name>
    <message>
        <source>布防设置</source>
        <translation>Arming settings</translation>
    </message>
    <message>
        <source>布防区域</source>
        <translation>Arming region</translation>
    </message>
    <message>
        <source>布防时间</source>
        <translation>Arming time</translation>
    </message>
    <message>
        <source>撤防时间</source>
        <translation>Disarming time</translation>
    </message>
    <message>
        <source>重复次数</source>
        <translation>Repeat count</translation>
    </message>
    <message>
        <source>布防日</source>
        <translation>Arming days</translation>
    </message>
    <message>
        <source>报警声音</source>
        <translation>Alarm sound</translation>
    </message>
    <message>
        <source>试听</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>📢</source>
        <translation>📢</translation>
    </message>
    <message>
        <source>必须先建立一个有效的布防区域，可以在视频界面拖动鼠标建立</source>
        <translation>Create a valid arming region first: drag the mouse over the video.</translation>
    </message>
</context>
<context>
    <name>AlarmNotificationWidget</name>
    <message>
        <source>AlarmNotificationWidget</source>
        <translation>Alarm notification</translation>
    </message>
    <message>
        <source>告警</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>CoverDetectionWidget</name>
    <message>
        <source>CoverDetectionWidget</source>
        <translation>Cover detection</translation>
    </message>
    <message>
        <source>布防区域</source>
        <translation>Arming region</translation>
    </message>
    <message>
        <source>布防时间</source>
        <translation>Arming time</translation>
    </message>
    <message>
        <source>撤防时间</source>
        <translation>Disarming time</translation>
    </message>
    <message>
        <source>布防日</source>
        <translation>Arming days</translation>
    </message>
    <message>
        <source>重复次数</source>
        <translation>Repeat count</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>默认参数</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>启用遮挡侦测</source>
        <translation>Enable cover detection</translation>
    </message>
    <message>
        <source>灵敏度(1-5)</source>
        <translation>Sensitivity (1-5)</translation>
    </message>
    <message>
        <source>报警阈值(0-100)</source>
        <translation>Alarm threshold (0-100)</translation>
    </message>
    <message>
        <source>报警方式</source>
        <translation>Alarm actions</translation>
    </message>
    <message>
        <source>警示灯闪烁</source>
        <translation>Flash the alarm light</translation>
    </message>
    <message>
        <source>播放提示音</source>
        <translation>Play an alert tone</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>DeviceSizeTable</name>
    <message>
        <source>Drive Letter</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Used space</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Free space</translation>
    </message>
    <message>
        <source>Total Size</source>
        <translation>Total size</translation>
    </message>
    <message>
        <source>Used Percentage</source>
        <translation>Used (%)</translation>
    </message>
</context>
<context>
    <name>InputUserDialog</name>
    <message>
        <source>用户配置</source>
        <translation>User settings</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>User information</translation>
    </message>
    <message>
        <source>管理员</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>操作员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>查看者</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <source>用户名称</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>确认密码</source>
        <translation>Confirm password</translation>
    </message>
    <message>
        <source>用户组</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>用户启用</source>
        <translation>Enable user</translation>
    </message>
    <message>
        <source>用户名称不能超过31个字节！</source>
        <translation>The user name must not be longer than 31 bytes!</translation>
    </message>
    <message>
        <source>密码不能超过31个字节！</source>
        <translation>The password must not be longer than 31 bytes!</translation>
    </message>
</context>
<context>
    <name>JT808Widget</name>
    <message>
        <source>JT808Widget</source>
        <translation>JT808</translation>
    </message>
    <message>
        <source>JT808</source>
        <translation>JT808</translation>
    </message>
    <message>
        <source>服务器地址</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>服务器端口</source>
        <translation>Server port</translation>
    </message>
    <message>
        <source>车牌号</source>
        <translation>Plate number</translation>
    </message>
    <message>
        <source>车牌颜色</source>
        <translation>Plate colour</translation>
    </message>
    <message>
        <source>终端ID</source>
        <translation>Terminal ID</translation>
    </message>
    <message>
        <source>终端型号</source>
        <translation>Terminal model</translation>
    </message>
    <message>
        <source>厂商ID</source>
        <translation>Manufacturer ID</translation>
    </message>
    <message>
        <source>省域ID(0-65535)</source>
        <translation>Province ID (0-65535)</translation>
    </message>
    <message>
        <source>市域ID(0-65535)</source>
        <translation>City ID (0-65535)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>JT808设置</source>
        <translation>JT808 settings</translation>
    </message>
    <message>
        <source>服务器地址无效，请输入完整的IP地址</source>
        <translation>Invalid server address. Please enter a complete IP address.</translation>
    </message>
    <message>
        <source>正在配置JT808参数，请等待IPC重启... </source>
        <translation>Configuring JT808, please wait for the IPC to restart... </translation>
    </message>
    <message>
        <source>蓝牌</source>
        <translation>Blue plate</translation>
    </message>
    <message>
        <source>黄牌</source>
        <translation>Yellow plate</translation>
    </message>
    <message>
        <source>黑牌</source>
        <translation>Black plate</translation>
    </message>
    <message>
        <source>白牌</source>
        <translation>White plate</translation>
    </message>
    <message>
        <source>绿牌</source>
        <translation>Green plate</translation>
    </message>
    <message>
        <source>黄绿牌</source>
        <translation>Yellow-green plate</translation>
    </message>
    <message>
        <source>农黄牌</source>
        <translation>Farm yellow plate</translation>
    </message>
    <message>
        <source>农绿牌</source>
        <translation>Farm green plate</translation>
    </message>
    <message>
        <source>渐变绿牌</source>
        <translation>Gradient green plate</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>登录 IPC</source>
        <translation>Log in to IPC</translation>
    </message>
    <message>
        <source>登录信息</source>
        <translation>Login information</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>admin</source>
        <translation>admin</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>730518</source>
        <translation>730518</translation>
    </message>
    <message>
        <source>视频端口</source>
        <translation>Video port</translation>
    </message>
    <message>
        <source>会话端口</source>
        <translation>Session port</translation>
    </message>
</context>
<context>
    <name>MotionDetectionWidget</name>
    <message>
        <source>MotionDetectionWidget</source>
        <translation>Motion detection</translation>
    </message>
    <message>
        <source>默认参数</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>移动侦测告警</source>
        <translation>Motion detection alarm</translation>
    </message>
    <message>
        <source>报警方式</source>
        <translation>Alarm actions</translation>
    </message>
    <message>
        <source>警示灯闪烁</source>
        <translation>Flash the alarm light</translation>
    </message>
    <message>
        <source>播放提示音</source>
        <translation>Play an alert tone</translation>
    </message>
    <message>
        <source>灵敏度(1-100)</source>
        <translation>Sensitivity (1-100)</translation>
    </message>
    <message>
        <source>告警门限(1-100)</source>
        <translation>Alarm threshold (1-100)</translation>
    </message>
    <message>
        <source>区域数量</source>
        <translation>Number of regions</translation>
    </message>
    <message>
        <source>启用夜间参数</source>
        <translation>Use night parameters</translation>
    </message>
    <message>
        <source>夜间结束时间</source>
        <translation>Night end time</translation>
    </message>
    <message>
        <source>夜间起始时间</source>
        <translation>Night start time</translation>
    </message>
    <message>
        <source>移动侦测设防时间</source>
        <translation>Motion detection arming schedule</translation>
    </message>
    <message>
        <source>时段</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>起始时间</source>
        <translation>Start time</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>End time</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>每天</source>
        <translation>Every day</translation>
    </message>
</context>
<context>
    <name>RecordConfigWidget</name>
    <message>
        <source>RecordConfigWidget</source>
        <translation>Record settings</translation>
    </message>
    <message>
        <source>Storage policy</source>
        <translation>Storage policy</translation>
    </message>
    <message>
        <source>If there is not enough space, delete the old files</source>
        <translation>If there is not enough space, delete the old files</translation>
    </message>
    <message>
        <source>If there is not enough space, stop recording</source>
        <translation>If there is not enough space, stop recording</translation>
    </message>
    <message>
        <source>File configuration</source>
        <translation>File configuration</translation>
    </message>
    <message>
        <source>Single file duration (minutes)</source>
        <translation>Single file duration (minutes)</translation>
    </message>
    <message>
        <source>Stream Type</source>
        <translation>Stream type</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>Main stream</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>Sub stream</translation>
    </message>
    <message>
        <source>Media Format</source>
        <translation>Media format</translation>
    </message>
    <message>
        <source>MP4</source>
        <translation>MP4</translation>
    </message>
    <message>
        <source>Record audio</source>
        <translation>Record audio</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>Save path</translation>
    </message>
    <message>
        <source>默认参数</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>RecordScheduleWidget</name>
    <message>
        <source>RecordScheduleWidget</source>
        <translation>Recording schedule</translation>
    </message>
    <message>
        <source>启用录像计划</source>
        <translation>Enable the recording schedule</translation>
    </message>
    <message>
        <source>全天</source>
        <translation>All day</translation>
    </message>
    <message>
        <source>工作日</source>
        <translation>Working days</translation>
    </message>
    <message>
        <source>定制</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>默认参数</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
</context>
<context>
    <name>RemoteConfigDialog</name>
    <message>
        <source>远程配置</source>
        <translation>Remote configuration</translation>
    </message>
    <message>
        <source>网络设置</source>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>网络状态</source>
        <translation>Network status</translation>
    </message>
    <message>
        <source>以太网设置</source>
        <translation>Ethernet settings</translation>
    </message>
    <message>
        <source>28181设置</source>
        <translation>GB28181 settings</translation>
    </message>
    <message>
        <source>JT808设置</source>
        <translation>JT808 settings</translation>
    </message>
    <message>
        <source>RTMP设置</source>
        <translation>RTMP settings</translation>
    </message>
    <message>
        <source>媒体设置</source>
        <translation>Media settings</translation>
    </message>
    <message>
        <source>视频采集设置</source>
        <translation>Video capture settings</translation>
    </message>
    <message>
        <source>时间和标题</source>
        <translation>Time and title</translation>
    </message>
    <message>
        <source>视频编码设置</source>
        <translation>Video encoding settings</translation>
    </message>
    <message>
        <source>音频采集设置</source>
        <translation>Audio capture settings</translation>
    </message>
    <message>
        <source>音频编码设置</source>
        <translation>Audio encoding settings</translation>
    </message>
    <message>
        <source>补光灯设置</source>
        <translation>Fill light settings</translation>
    </message>
    <message>
        <source>隐私遮挡设置</source>
        <translation>Privacy mask settings</translation>
    </message>
    <message>
        <source>告警设置</source>
        <translation>Alarm settings</translation>
    </message>
    <message>
        <source>告警通知</source>
        <translation>Alarm notification</translation>
    </message>
    <message>
        <source>人形识别</source>
        <translation>Human recognition</translation>
    </message>
    <message>
        <source>移动侦测</source>
        <translation>Motion detection</translation>
    </message>
    <message>
        <source>遮挡侦测</source>
        <translation>Cover detection</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>用户管理</source>
        <translation>User management</translation>
    </message>
    <message>
        <source>系统时间</source>
        <translation>System time</translation>
    </message>
    <message>
        <source>系统维护</source>
        <translation>System maintenance</translation>
    </message>
    <message>
        <source>存储设置</source>
        <translation>Storage settings</translation>
    </message>
    <message>
        <source>基本配置</source>
        <translation>Basic configuration</translation>
    </message>
    <message>
        <source>定时录像</source>
        <translation>Scheduled recording</translation>
    </message>
    <message>
        <source>有线网络</source>
        <translation>Wired network</translation>
    </message>
    <message>
        <source>MAC地址</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>网路IP类型</source>
        <translation>IP type</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>网关</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>DNS1</source>
        <translation>DNS1</translation>
    </message>
    <message>
        <source>DNS2</source>
        <translation>DNS2</translation>
    </message>
    <message>
        <source>IP自适应</source>
        <translation>IP adaption</translation>
    </message>
    <message>
        <source>设备能力集</source>
        <translation>Device capabilities</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP 自适应</source>
        <translation>IP adaption</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>云平台设置</source>
        <translation>Cloud platform settings</translation>
    </message>
    <message>
        <source>登录云管理平台</source>
        <translation>Log in to the cloud management platform</translation>
    </message>
    <message>
        <source>同步时间</source>
        <translation>Sync time</translation>
    </message>
    <message>
        <source>云密码</source>
        <translation>Cloud password</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>密码确认</source>
        <translation>Confirm password</translation>
    </message>
    <message>
        <source>长度位8-16位字符，必须包含数字和字母</source>
        <translation>8 to 16 characters, with both digits and letters</translation>
    </message>
    <message>
        <source>流媒体设置</source>
        <translation>Streaming media settings</translation>
    </message>
    <message>
        <source>是否需要认证</source>
        <translation>Authentication required</translation>
    </message>
    <message>
        <source>媒体访问端口(554,1000-65535)</source>
        <translation>Media port (554, 1000-65535)</translation>
    </message>
    <message>
        <source>媒体访问协议</source>
        <translation>Media protocol</translation>
    </message>
    <message>
        <source>云台控制端口(801,1000-65535)</source>
        <translation>PTZ control port (801, 1000-65535)</translation>
    </message>
    <message>
        <source>Web访问端口(80,1000-65535)</source>
        <translation>Web port (80, 1000-65535)</translation>
    </message>
    <message>
        <source>RTP最大包长</source>
        <translation>RTP max packet length</translation>
    </message>
    <message>
        <source>默认参数</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>启用28181协议</source>
        <translation>Enable GB28181</translation>
    </message>
    <message>
        <source>本地SIP端口(1025-65535)</source>
        <translation>Local SIP port (1025-65535)</translation>
    </message>
    <message>
        <source>SIP服务器ID</source>
        <translation>SIP server ID</translation>
    </message>
    <message>
        <source>SIP服务器域</source>
        <translation>SIP server domain</translation>
    </message>
    <message>
        <source>SIP服务器地址</source>
        <translation>SIP server address</translation>
    </message>
    <message>
        <source>000.000.000.000</source>
        <translation>000.000.000.000</translation>
    </message>
    <message>
        <source>SIP服务器端口(1-65535)</source>
        <translation>SIP server port (1-65535)</translation>
    </message>
    <message>
        <source>SIP用户名</source>
        <translation>SIP user name</translation>
    </message>
    <message>
        <source>SIP用户认证ID</source>
        <translation>SIP authentication ID</translation>
    </message>
    <message>
        <source>确认密码</source>
        <translation>Confirm password</translation>
    </message>
    <message>
        <source>注册有效期（秒）</source>
        <translation>Registration validity (s)</translation>
    </message>
    <message>
        <source>心跳周期(5-3600)</source>
        <translation>Heartbeat period (5-3600)</translation>
    </message>
    <message>
        <source>最大心跳超时次数(3-255)</source>
        <translation>Max heartbeat time-outs (3-255)</translation>
    </message>
    <message>
        <source>28181码流索引</source>
        <translation>GB28181 stream index</translation>
    </message>
    <message>
        <source>主码流</source>
        <translation>Main stream</translation>
    </message>
    <message>
        <source>子码流</source>
        <translation>Sub stream</translation>
    </message>
    <message>
        <source>视频通道编码ID</source>
        <translation>Video channel code ID</translation>
    </message>
    <message>
        <source>音频输出通道ID</source>
        <translation>Audio output channel ID</translation>
    </message>
    <message>
        <source>报警ID</source>
        <translation>Alarm ID</translation>
    </message>
    <message>
        <source>OSD 设置</source>
        <translation>OSD settings</translation>
    </message>
    <message>
        <source>日期和时间</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>区域横坐标百分比(%)</source>
        <translation>Region X (%)</translation>
    </message>
    <message>
        <source>区域纵坐标百分比(%)</source>
        <translation>Region Y (%)</translation>
    </message>
    <message>
        <source>时间显示格式</source>
        <translation>Time format</translation>
    </message>
    <message>
        <source>24 时制</source>
        <translation>24-hour</translation>
    </message>
    <message>
        <source>12 时制</source>
        <translation>12-hour</translation>
    </message>
    <message>
        <source>显示星期</source>
        <translation>Show weekday</translation>
    </message>
    <message>
        <source>日期格式</source>
        <translation>Date format</translation>
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
        <source>星期显示风格</source>
        <translation>Weekday style</translation>
    </message>
    <message>
        <source>英文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>通道号</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>通道名(不超过32个字符)</source>
        <translation>Channel name (at most 32 characters)</translation>
    </message>
    <message>
        <source>编码格式</source>
        <translation>Encoding format</translation>
    </message>
    <message>
        <source>H.264</source>
        <translation>H.264</translation>
    </message>
    <message>
        <source>H.265</source>
        <translation>H.265</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>比特率控制</source>
        <translation>Bit rate control</translation>
    </message>
    <message>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>码率(256-8k)kbps</source>
        <translation>Bit rate (256-8k) kbps</translation>
    </message>
    <message>
        <source>关键帧间隔</source>
        <translation>Key frame interval</translation>
    </message>
    <message>
        <source>(64-1k)kbps</source>
        <translation>(64-1k) kbps</translation>
    </message>
    <message>
        <source>采集音量(1-100)</source>
        <translation>Capture volume (1-100)</translation>
    </message>
    <message>
        <source>播放音量(1-100)</source>
        <translation>Playback volume (1-100)</translation>
    </message>
    <message>
        <source>采样率</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>8000</source>
        <translation>8000</translation>
    </message>
    <message>
        <source>16000</source>
        <translation>16000</translation>
    </message>
    <message>
        <source>32000</source>
        <translation>32000</translation>
    </message>
    <message>
        <source>位宽</source>
        <translation>Bit width</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>输入方式</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>Mic</translation>
    </message>
    <message>
        <source>启用音频编码</source>
        <translation>Enable audio encoding</translation>
    </message>
    <message>
        <source>编码方式</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>G711A</source>
        <translation>G711A</translation>
    </message>
    <message>
        <source>G711U</source>
        <translation>G711U</translation>
    </message>
    <message>
        <source>启用音频解码</source>
        <translation>Enable audio decoding</translation>
    </message>
    <message>
        <source>AAC</source>
        <translation>AAC</translation>
    </message>
    <message>
        <source>灯光模式</source>
        <translation>Light mode</translation>
    </message>
    <message>
        <source>图像模式</source>
        <translation>Image mode</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>白天</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>夜晚</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>定时</source>
        <translation>Timed</translation>
    </message>
    <message>
        <source>夜晚开始时间</source>
        <translation>Night start time</translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>夜晚结束时间</source>
        <translation>Night end time</translation>
    </message>
    <message>
        <source>光敏类型</source>
        <translation>Photosensor type</translation>
    </message>
    <message>
        <source>硬光敏</source>
        <translation>Hard photosensor</translation>
    </message>
    <message>
        <source>软光敏</source>
        <translation>Soft photosensor</translation>
    </message>
    <message>
        <source>灯源启动灵敏度(早-中-晚)</source>
        <translation>Light turn-on sensitivity (early-medium-late)</translation>
    </message>
    <message>
        <source>灯源自动调节灵敏度(快-中-慢)</source>
        <translation>Light auto-adjust sensitivity (fast-medium-slow)</translation>
    </message>
    <message>
        <source>调光模式</source>
        <translation>Dimming mode</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>光照亮度(0-100)</source>
        <translation>Brightness (0-100)</translation>
    </message>
    <message>
        <source>灯光类型</source>
        <translation>Light type</translation>
    </message>
    <message>
        <source>红外</source>
        <translation>Infrared</translation>
    </message>
    <message>
        <source>暖光</source>
        <translation>Warm light</translation>
    </message>
    <message>
        <source>IRCUT触发</source>
        <translation>IR-cut trigger</translation>
    </message>
    <message>
        <source>正向</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>反向</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>区域</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>区域宽度百分比(%)</source>
        <translation>Region width (%)</translation>
    </message>
    <message>
        <source>区域高度百分比(%)</source>
        <translation>Region height (%)</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>媒体状态信息</source>
        <translation>Media status information</translation>
    </message>
    <message>
        <source>I帧间隔</source>
        <translation>I-frame interval</translation>
    </message>
    <message>
        <source>比特率</source>
        <translation>Bit rate</translation>
    </message>
    <message>
        <source>2304 x 1296</source>
        <translation>2304 x 1296</translation>
    </message>
    <message>
        <source>640 x 360</source>
        <translation>640 x 360</translation>
    </message>
    <message>
        <source>H265</source>
        <translation>H265</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>2500</source>
        <translation>2500</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>灵敏度</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>告警联动</source>
        <translation>Alarm linkage</translation>
    </message>
    <message>
        <source>告警灯</source>
        <translation>Alarm light</translation>
    </message>
    <message>
        <source>声音播报</source>
        <translation>Sound broadcast</translation>
    </message>
    <message>
        <source>布防区域</source>
        <translation>Arming region</translation>
    </message>
    <message>
        <source>布防时间</source>
        <translation>Arming time</translation>
    </message>
    <message>
        <source>撤防时间</source>
        <translation>Disarming time</translation>
    </message>
    <message>
        <source>布防日</source>
        <translation>Arming days</translation>
    </message>
    <message>
        <source>重复次数</source>
        <translation>Repeat count</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>重置区域</source>
        <translation>Reset regions</translation>
    </message>
    <message>
        <source>工作方式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>时区</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm:ss</source>
        <translation>yyyy-MM-dd HH:mm:ss</translation>
    </message>
    <message>
        <source>NTP 服务器</source>
        <translation>NTP server</translation>
    </message>
    <message>
        <source>NTP 端口</source>
        <translation>NTP port</translation>
    </message>
    <message>
        <source>NTP 同步周期</source>
        <translation>NTP sync period</translation>
    </message>
    <message>
        <source>与本机一致</source>
        <translation>Same as this computer</translation>
    </message>
    <message>
        <source>定时维护</source>
        <translation>Scheduled maintenance</translation>
    </message>
    <message>
        <source>维护日</source>
        <translation>Maintenance day</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>每天</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>重启时间</source>
        <translation>Reboot time</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Device information</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>编译时间</source>
        <translation>Build time</translation>
    </message>
    <message>
        <source>设备版本</source>
        <translation>Device version</translation>
    </message>
    <message>
        <source>硬件版本</source>
        <translation>Hardware version</translation>
    </message>
    <message>
        <source>立刻重启</source>
        <translation>Reboot now</translation>
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation>Restore factory settings</translation>
    </message>
    <message>
        <source>正在设置布防区域，请等待...</source>
        <translation>Setting the arming regions, please wait...</translation>
    </message>
    <message>
        <source>%1 @%2 - V%3</source>
        <translation>%1 @%2 - V%3</translation>
    </message>
    <message>
        <source>正在设置视频编码参数，请稍后...</source>
        <translation>Setting the video encoding parameters, please wait...</translation>
    </message>
    <message>
        <source>正在设置音频采集参数，请稍后...</source>
        <translation>Setting the audio capture parameters, please wait...</translation>
    </message>
    <message>
        <source>正在配置音频编解码器参数，请稍后...</source>
        <translation>Configuring the audio codec parameters, please wait...</translation>
    </message>
    <message>
        <source>红外普通模式</source>
        <translation>Infrared normal mode</translation>
    </message>
    <message>
        <source>白光（暖光）普通模式</source>
        <translation>White (warm) light normal mode</translation>
    </message>
    <message>
        <source>双光源（红外、白光/暖光）普通模式</source>
        <translation>Dual light (infrared, white/warm) normal mode</translation>
    </message>
    <message>
        <source>红外智能调光模式</source>
        <translation>Infrared smart dimming mode</translation>
    </message>
    <message>
        <source>白光/暖光智能调光模式</source>
        <translation>White/warm light smart dimming mode</translation>
    </message>
    <message>
        <source>双光源（红外、白光/暖光）智能调光模式</source>
        <translation>Dual light (infrared, white/warm) smart dimming mode</translation>
    </message>
    <message>
        <source>红光</source>
        <translation>Red light</translation>
    </message>
    <message>
        <source>光照亮度(%1%)</source>
        <translation>Brightness (%1%)</translation>
    </message>
    <message>
        <source>正在提交灯光设置，请稍后...</source>
        <translation>Submitting the light settings, please wait...</translation>
    </message>
    <message>
        <source>正在提交隐私区域设置，请稍后...</source>
        <translation>Submitting the privacy region settings, please wait...</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Static IP</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>远程IPC的地址已经设置成功，配置程序需要重新登录，本窗口将自动关闭！</source>
        <translation>The address of the remote IPC has been set. The configuration program must log in again; this window will now close!</translation>
    </message>
    <message>
        <source>请重新登录</source>
        <translation>Please log in again</translation>
    </message>
    <message>
        <source>正在设置OSD参数，请稍后...</source>
        <translation>Setting the OSD parameters, please wait...</translation>
    </message>
    <message>
        <source>密码校验</source>
        <translation>Password check</translation>
    </message>
    <message>
        <source>两次密码输入不一致，请重新输入密码，确保一致！</source>
        <translation>The two passwords do not match. Please enter them again.</translation>
    </message>
    <message>
        <source>正在配置GB28181参数，请等待IPC重启...</source>
        <translation>Configuring GB28181, please wait for the IPC to restart...</translation>
    </message>
    <message>
        <source>正在设置IPC的时间，请稍后...</source>
        <translation>Setting the IPC's time, please wait...</translation>
    </message>
    <message>
        <source>正在提交定期维护信息，请稍后...</source>
        <translation>Submitting the scheduled maintenance, please wait...</translation>
    </message>
    <message>
        <source>远程IPC已经重启，配置程序需要重新登录，本窗口将自动关闭！</source>
        <translation>The remote IPC has restarted. The configuration program must log in again; this window will now close!</translation>
    </message>
    <message>
        <source>远程IPC已经恢复出厂设置，配置程序需要重新登录，本窗口将自动关闭！</source>
        <translation>The remote IPC has been restored to its factory settings. The configuration program must log in again; this window will now close!</translation>
    </message>
    <message>
        <source>%1无效，请检查后重新保存，设置没有发送。</source>
        <translation>The %1 is not valid. Please check it and save again; nothing was sent.</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>网络参数</source>
        <translation>network settings</translation>
    </message>
    <message>
        <source>布防任务</source>
        <translation>arming tasks</translation>
    </message>
    <message>
        <source>补光灯</source>
        <translation>fill light</translation>
    </message>
    <message>
        <source>清除隐私遮挡</source>
        <translation>clearing of the privacy masks</translation>
    </message>
    <message>
        <source>隐私遮挡</source>
        <translation>privacy masks</translation>
    </message>
    <message>
        <source>音频编码器</source>
        <translation>audio encoder</translation>
    </message>
    <message>
        <source>音频解码器</source>
        <translation>audio decoder</translation>
    </message>
</context>
<context>
    <name>RtmpClientWidget</name>
    <message>
        <source>以上参数的含义是什么？例如RTMP推流URL如下，以字符/拆分可以得到对应的参数。</source>
        <translation>What do the parameters above mean? Split an RTMP push URL such as the one below at each / to get them.</translation>
    </message>
    <message>
        <source>1) 服务器地址</source>
        <translation>1) Server address</translation>
    </message>
    <message>
        <source>2) 端口号</source>
        <translation>2) Port</translation>
    </message>
    <message>
        <source>缺省时默认是1935，如果</source>
        <translation>1935 by default; if </translation>
    </message>
    <message>
        <source>后面接着 ':数字'，该数字表示端口号</source>
        <translation> is followed by ':number', that number is the port</translation>
    </message>
    <message>
        <source>3) 应用名称</source>
        <translation>3) Application name</translation>
    </message>
    <message>
        <source>4) 流ID</source>
        <translation>4) Stream ID</translation>
    </message>
    <message>
        <source>RtmpClientWidget</source>
        <translation>RTMP</translation>
    </message>
    <message>
        <source>启用 RTMP</source>
        <translation>Enable RTMP</translation>
    </message>
    <message>
        <source>主码流</source>
        <translation>Main stream</translation>
    </message>
    <message>
        <source>子码流</source>
        <translation>Sub stream</translation>
    </message>
    <message>
        <source>码流类型</source>
        <translation>Stream type</translation>
    </message>
    <message>
        <source>服务器地址</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>端口号(1-65535)</source>
        <translation>Port (1-65535)</translation>
    </message>
    <message>
        <source>应用名称</source>
        <translation>Application name</translation>
    </message>
    <message>
        <source>流ID</source>
        <translation>Stream ID</translation>
    </message>
    <message>
        <source>默认参数</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>正在配置RTMP参数，请稍等...</source>
        <translation>Configuring RTMP, please wait...</translation>
    </message>
</context>
<context>
    <name>ShieldTaskManager</name>
    <message>
        <source>周一到周五</source>
        <translation>Monday to Friday</translation>
    </message>
    <message>
        <source>周一到周六</source>
        <translation>Monday to Saturday</translation>
    </message>
    <message>
        <source>周六、周日</source>
        <translation>Saturday and Sunday</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>每天</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>蓝色区域</source>
        <translation>Blue region</translation>
    </message>
    <message>
        <source>粉色区域</source>
        <translation>Pink region</translation>
    </message>
    <message>
        <source>黄色区域</source>
        <translation>Yellow region</translation>
    </message>
    <message>
        <source>绿色区域</source>
        <translation>Green region</translation>
    </message>
    <message>
        <source>预留</source>
        <translation>Reserved</translation>
    </message>
</context>
<context>
    <name>VideoISPConfigWidget</name>
    <message>
        <source>VideoISPConfigWidget</source>
        <translation>Video capture</translation>
    </message>
    <message>
        <source>禁用</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>手动</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>视频采集设置</source>
        <translation>Video capture settings</translation>
    </message>
    <message>
        <source>室内</source>
        <translation>Indoor</translation>
    </message>
    <message>
        <source>室外</source>
        <translation>Outdoor</translation>
    </message>
    <message>
        <source>视频制式</source>
        <translation>Video standard</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Horizontal flip</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Vertical flip</translation>
    </message>
    <message>
        <source>防止过曝</source>
        <translation>Prevent overexposure</translation>
    </message>
    <message>
        <source>场景模式</source>
        <translation>Scene mode</translation>
    </message>
    <message>
        <source>高级参数</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>AE灵敏度(0-255)</source>
        <translation>AE sensitivity (0-255)</translation>
    </message>
    <message>
        <source>AE容忍度(0-255)</source>
        <translation>AE tolerance (0-255)</translation>
    </message>
    <message>
        <source>宽动态增强</source>
        <translation>WDR strength</translation>
    </message>
    <message>
        <source>3D降噪增强</source>
        <translation>3D noise reduction strength</translation>
    </message>
    <message>
        <source>3D降噪</source>
        <translation>3D noise reduction</translation>
    </message>
    <message>
        <source>曝光模式</source>
        <translation>Exposure mode</translation>
    </message>
    <message>
        <source>白平衡</source>
        <translation>White balance</translation>
    </message>
    <message>
        <source>宽动态</source>
        <translation>WDR</translation>
    </message>
    <message>
        <source>镜头畸变</source>
        <translation>Lens distortion</translation>
    </message>
    <message>
        <source>透雾模式</source>
        <translation>Defog mode</translation>
    </message>
    <message>
        <source>默认参数</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>亮  度(0-100)</source>
        <translation>Brightness (0-100)</translation>
    </message>
    <message>
        <source>对比度(0-100)</source>
        <translation>Contrast (0-100)</translation>
    </message>
    <message>
        <source>饱和度(0-100)</source>
        <translation>Saturation (0-100)</translation>
    </message>
    <message>
        <source>背  光(0-100)</source>
        <translation>Backlight (0-100)</translation>
    </message>
    <message>
        <source>锐  度(0-100)</source>
        <translation>Sharpness (0-100)</translation>
    </message>
</context>
<context>
    <name>VideoSurface</name>
    <message>
        <source>用户名或密码错误，无法显示实时视频</source>
        <translation>Wrong user name or password: no live video</translation>
    </message>
    <message>
        <source>用户名和密码太长（超过%1个字符），无法显示实时视频</source>
        <translation>The user name and password are too long (over %1 characters): no live video</translation>
    </message>
    <message>
        <source>正在重新连接...</source>
        <translation>Reconnecting...</translation>
    </message>
</context>
<context>
    <name>ZRSDKInstance</name>
    <message>
        <source>正在配置移动侦测参数，请等待...</source>
        <translation>Configuring motion detection, please wait...</translation>
    </message>
    <message>
        <source>正在配置遮挡侦测参数，请等待...</source>
        <translation>Configuring cover detection, please wait...</translation>
    </message>
    <message>
        <source>正在配置视频采集参数，请稍后...</source>
        <translation>Configuring video capture, please wait...</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Motion detection</translation>
    </message>
    <message>
        <source>Humanoid detection</source>
        <translation>Humanoid detection</translation>
    </message>
    <message>
        <source>Video occlusion</source>
        <translation>Video occlusion</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>IPC 远程配置</source>
        <translation>IPC remote configuration</translation>
    </message>
    <message>
        <source>请在执行程序后面加上目标IPC的IP地址，
例如：%1 -i 192.168.1.1</source>
        <translation>Please add the IP address of the target IPC after the program name,
for example: %1 -i 192.168.1.1</translation>
    </message>
    <message>
        <source>登录IPC %1 失败，请检查设备是否连接正常，用户名和密码是否正确</source>
        <translation>Logging into IPC %1 failed. Check that the device is connected and that the user name and password are correct.</translation>
    </message>
    <message>
        <source>目标 IPC 的 IP 地址，多个地址用';'分割</source>
        <translation>IP address of the target IPC; separate several addresses with ';'</translation>
    </message>
    <message>
        <source>ip</source>
        <translation>ip</translation>
    </message>
    <message>
        <source>登录用户名</source>
        <translation>User name for the login</translation>
    </message>
    <message>
        <source>user</source>
        <translation>user</translation>
    </message>
    <message>
        <source>登录密码</source>
        <translation>Password for the login</translation>
    </message>
    <message>
        <source>password</source>
        <translation>password</translation>
    </message>
    <message>
        <source>登录 IPC 的会话端口</source>
        <translation>Session port of the IPC login</translation>
    </message>
    <message>
        <source>session port</source>
        <translation>session port</translation>
    </message>
    <message>
        <source>登录 IPC 的流端口</source>
        <translation>Stream port of the IPC login</translation>
    </message>
    <message>
        <source>stream port</source>
        <translation>stream port</translation>
    </message>
</context>
<context>
    <name>RefusedSave</name>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>摄像机没有接受这些参数，设置未保存，请稍后重试。</source>
        <translation>The camera did not accept these settings; nothing was saved. Please try again later.</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>摄像机没有接受%1，设置未全部保存。
此前已写入摄像机的：%2。</source>
        <translation>The camera did not accept %1; the settings were not all saved.
Written to the camera before it: %2.</translation>
    </message>
</context>
<context>
    <name>SaveAfterRead</name>
    <message>
        <source>摄像机的参数没有读到，保存已停用：保存会用空白或默认值覆盖摄像机的设置。</source>
        <translation>The camera's settings could not be read, so saving is off: a save would overwrite the camera's settings with blanks or defaults.</translation>
    </message>
</context>
</TS>
