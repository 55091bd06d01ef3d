<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow 通过用作调制解调器的 GPRS 手机将您的计算机连接到互联网。</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>添加调制解调器...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow 已在运行。</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>记住密码</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>无法连接到更新服务器。请检查您的互联网连接，稍后再试。</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>手机端口正被 %s 占用。请关闭 %s 后重试。</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>新建...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>连接名称：</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>接入点名称 (APN)：</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>手机设置...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>快捷方式</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>国家/地区：</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>网络运营商：</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>拨号号码：</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>属性...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>连接条目</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>接入方式</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>用户名：</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>无法打开手机端口。请检查手机设置。</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow 无法写入手机端口。</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>手机拒绝了命令或没有应答。请检查手机是否已开机并已连接。</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>已存在同名的连接条目。请另选一个名称。</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>无法连接。</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>登录</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>下载已完成。现在安装新版本吗？</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>更新服务器繁忙。请稍后再试。</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>您使用的已是最新版本。</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>更新服务器报告了错误。请稍后再试。</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>服务器上没有该更新文件。</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>请输入连接名称。</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>可用版本：</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>此手机不具备 GPRS 连接所需的功能。</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>签约优先级</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>签约可靠性等级</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>确认模式 GTP、LLC 和 RLC；受保护数据</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>非确认模式 GTP；确认模式 LLC 和 RLC，受保护数据</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>非确认模式 GTP 和 LLC；确认模式 RLC，受保护数据</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>非确认模式 GTP、LLC 和 RLC，受保护数据</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>非确认模式 GTP、LLC 和 RLC，不受保护数据</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>签约峰值吞吐量</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>最高 1 000 八位组/秒</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>最高 2 000 八位组/秒</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>最高 4 000 八位组/秒</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>高优先级</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>最高 8 000 八位组/秒</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>最高 16 000 八位组/秒</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>最高 32 000 八位组/秒</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>最高 64 000 八位组/秒</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>最高 128 000 八位组/秒</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>最高 256 000 八位组/秒</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>签约平均吞吐量</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 八位组/小时</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 八位组/小时</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 八位组/小时</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>正常优先级</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 八位组/小时</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 八位组/小时</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 八位组/小时</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 八位组/小时</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 八位组/小时</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 八位组/小时</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 八位组/小时</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 八位组/小时</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 八位组/小时</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 八位组/小时</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>低优先级</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 八位组/小时</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 八位组/小时</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 八位组/小时</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 八位组/小时</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 八位组/小时</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>尽力而为</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>签约时延等级</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>时延等级 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>时延等级 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>时延等级 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>时延等级 4（尽力而为）</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>时延等级：</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>平均吞吐量：</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>峰值吞吐量：</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>优先级：</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>可靠性等级：</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>自动获得 DNS 服务器地址</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>使用下面的 DNS 服务器地址：</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>自动获得 IP 地址</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>使用下面的 IP 地址：</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>备用 DNS 服务器：</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>首选 DNS 服务器：</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>IP 地址：</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>DNS 服务器</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>运营商提供给您的接入点名称，例如“internet”。</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>您为此连接条目自取的名称。</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>您的网络运营商所在的国家/地区。选择 [Others] 可查看所有国家/地区。</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>GPRS 接入的密码（如果运营商要求）。</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>手机为 GPRS 拨打的号码，通常为 *99# 或 *99**1*1#。** 后面的数字是上下文编号。</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>您的网络运营商。选择 [Others] 可自行输入所有设置。</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>GPRS 接入的用户名（如果运营商要求）。</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>无法为连接准备手机。</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>连接已结束。</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>无法设置拨号条目。</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>无法创建快捷方式。</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow 已连接。现在断开吗？</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>未就绪：无法创建拨号条目。请检查手机设置。</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>条目</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>最低 QoS</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>请求的 QoS</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>正在等待回拨请求...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>正在网络上注册您的计算机...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>正在测量链路速度...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>身份验证已确认...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>正在重新进行身份验证...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>已通过身份验证</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>正在准备回拨...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>正在等待手机复位...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>正在协商连接...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>正在登录网络...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>链路已连接</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>链路已断开</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>正在打开端口...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>尚未选择连接条目。仍要关闭窗口吗？</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>要删除所选的连接条目吗？</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>端口已打开</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>正在连接手机...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>手机已连接，正在启动链路...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>正在验证用户名和密码...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>正在重试身份验证...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>高级...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>条目(&amp;E)</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>新建(&amp;N)...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>选择(&amp;S)</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>属性(&amp;P)...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>快捷方式(&amp;C)</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>手机设置(&amp;P)...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>端口速度(&amp;S)</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>检查更新(&amp;U)...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>关于 Braxlow(&amp;A)...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>显示窗口(&amp;S)</translation>
    </message>
    <message id="2030">
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="2031">
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message id="2032">
        <source>中文(简体)</source>
        <translation>中文(简体)</translation>
    </message>
    <message id="2033">
        <source>中文(繁體)</source>
        <translation>中文(繁體)</translation>
    </message>
    <message id="2034">
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message id="2035">
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message id="2036">
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message id="2037">
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message id="2038">
        <source>Nederlands</source>
        <translation>Nederlands</translation>
    </message>
    <message id="2039">
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message id="2040">
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message id="2041">
        <source>العربية</source>
        <translation>العربية</translation>
    </message>
    <message id="2042">
        <source>Svenska</source>
        <translation>Svenska</translation>
    </message>
    <message id="3001">
        <source>This connection entry cannot be sent to the phone: its field "%1" holds characters a phone does not accept in a command (such as quotation marks, backslashes or line breaks). Correct the entry, then connect again.</source>
        <translation>此连接条目无法发送到手机：其字段“%1”包含手机在命令中不接受的字符（如引号、反斜杠或换行符）。请更正该条目，然后重新连接。</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>字段“%1”只能包含字母 A 到 Z、数字、连字符和点。请更正后重新保存。</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>字段“%1”必须是由点分隔的四个 0 到 255 之间的数字组成的地址，例如 10.0.0.1。请更正后重新保存。</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>字段“%1”必须是由逗号分隔的六个数字，例如 1,0,0,3,0,0。请在该页上重新选择配置，然后重新保存。</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>更新服务器发送的应答无法读取。请稍后再试。</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>更新服务器提供的文件名不是普通文件名。已拒绝下载。</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>磁盘可用空间不足，无法存放更新文件。</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>更新服务器已停止发送。下载已中止，请稍后再试。</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>无法将更新文件保存到下载文件夹。</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>与更新服务器的连接在文件接收完成之前中断。请稍后再试。</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 不是适用于此系统的安装包，因此 Braxlow 不会打开它。改为显示存放它的文件夹。</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>主 AT 端口</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>辅助 AT 端口</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>数据端口</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>不用于拨号</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>端口号：</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>设备：</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>请选择手机所连接的串行端口，或者输入蓝牙手机的设备，例如 /dev/rfcomm0。</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>此端口为 COM%1。它将作为您的手机列出。</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>请选择或输入手机所连接的设备，例如 /dev/rfcomm0。</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>设备必须以完整路径给出，例如 /dev/rfcomm0，且不能包含 ';' 或控制字符。</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>请选择 1 到 255 之间的端口号。</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 已被 %2 使用。请选择其他端口号。</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 已保留给当前未连接的设备。请选择其他端口号。</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 已作为调制解调器列在 COM%2 上。</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 不能用于手机。它必须是串行端口、调制解调器或蓝牙端口。（%2）</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 不存在。请连接手机或绑定其蓝牙端口，然后重新添加。</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>SIM 卡要求输入 PIN 码。请重新连接，并在提示时输入 PIN 码。</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>连续三次输入错误的 PIN 码后，SIM 卡已被锁定，需要输入 PUK 码。请将其放入手机，使用运营商提供的 PUK 码解锁；Braxlow 从不发送 PUK 码。</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>手机中没有 SIM 卡，或无法读取 SIM 卡。请插入 SIM 卡，重新启动手机后重试。</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>手机未在任何网络上注册，也没有在搜索网络。请检查手机的无线功能是否已打开（未处于飞行模式）。</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>手机仍在搜索网络。请稍候，然后重试。</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>网络拒绝了手机的注册。请向您的运营商询问 SIM 卡是否已激活。</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>网络不允许此 SIM 卡在此处使用（不允许漫游）。请在手机上选择其他网络，或咨询您的运营商。</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>手机没有信号。请移到信号较好的地方后重试。</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>手机已注册，但未附着到分组数据 (GPRS)。请检查您的套餐是否包含移动数据。</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>手机不识别 QoS 命令；将采用网络的默认设置。</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>SIM 卡 PIN 码</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>手机中的 SIM 卡已锁定。请输入其 PIN 码（4 到 8 位数字）：</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>剩余尝试次数：%1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>为此条目记住 PIN 码</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>手机未接受该 PIN 码。Braxlow 不会自动重试，因此 SIM 卡不会被锁定：请检查 PIN 码，然后重新连接。</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>输入 PIN 码后 SIM 卡未能就绪。请稍候，然后重新连接。</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>正在解锁 SIM 卡...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>正在询问手机出了什么问题...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>只剩一次尝试机会：现在输错 PIN 码将锁定 SIM 卡。</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>手机本身已锁定（是手机密码，而不是 SIM 卡 PIN 码）。请在手机上解锁后重试。</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>查询余额...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>预付费余额</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>此条目没有余额查询代码。请在条目设置中输入运营商的代码（例如 *100#）。</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>正在查询网络...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>网络没有应答。请稍后再试。</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>回复：</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>网络不支持此代码。</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>网络已结束会话。</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>保存...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>从 SIM 卡获取</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>余额查询代码：</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>无法打开手机端口。请检查手机是否已连接，以及是否有其他程序正在使用其端口。</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>SIM 卡要求输入 PIN 码。请在手机上输入 PIN 码，然后重试。</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>SIM 卡已锁定，需要输入 PUK 码。请在手机上解锁，然后重试。</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>手机中没有 SIM 卡。请插入 SIM 卡，然后重试。</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>手机未提供 SIM 卡的标识。请自行选择国家/地区和网络运营商。</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>SIM 卡的网络代码 %1 不在运营商列表中。请自行选择国家/地区和网络运营商。</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>SIM 卡的网络有多个预设。请选择一个：</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>字段“%1”只能包含数字、*、# 和 +，最多 32 个字符，例如 *100#。请更正后重新保存。</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>测试手机</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>制造商：</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>固件：</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>网络代码 (MCC/MNC)：</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>SIM 卡：</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>网络注册：</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>分组数据注册：</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>当前网络：</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>信号：</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>分组数据 (GPRS)：</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>结果：</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm（4 格中的 %2 格）</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>未知|就绪|需要 PIN|需要 PUK|无 SIM 卡|已锁定</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>未注册|归属网络|正在搜索|被拒绝|未知|漫游</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>未附着|已附着</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>手机已准备好连接。</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>手机没有应答。请检查手机是否已开机并已连接，以及是否选择了正确的端口。</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1（%2）正被 %3（进程 %4）占用。</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>手机没有说明是否已在网络上注册；连接可能会失败。</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>要拨号，您的用户必须属于 %1 组。请联系管理员，或运行“sudo adduser $USER dip”和“sudo adduser $USER dialout”，然后重新登录。</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>自动重新连接</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>本月：已用 %1，共 %2 MB（%3%）</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>本月：已用 %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>本月：已用 %2 MB 中的 %1%</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>连接已中断</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>连接持续了 %1。</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>%1 秒后重新拨号。点击“断开”可取消。</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>已取消重新拨号。</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>流量额度</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>本月 %2 MB 流量额度已使用 %1%。</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>本月 %1 MB 流量额度已用完。Braxlow 将保持连接；继续使用数据可能产生额外费用。</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>每月流量额度：</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>无</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>起始日</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>您的套餐每月允许的数据量（上传和下载合计），以及每个计费月的起始日。Braxlow 会在用量达到 80% 和 100% 时提醒您，但绝不会因此断开连接。</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>正在请求 ModemManager 释放手机...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager 未允许 Braxlow 使用手机：%1
管理员可以通过 install-ppp-access 为 dip 组授予此权限。</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager 未能及时释放手机。请稍后重试。</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>手机已与计算机断开。请重新插入，然后连接。</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>正在等待重新插入手机...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>USB 设备：</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>正在与手机通信...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>来自网络的 DNS 服务器</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>预设的 DNS 服务器需要未安装的 Braxlow DNS 挂钩，因此使用网络自己的服务器。安装方法：sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>由运营商预设填写。要自行输入，请将网络运营商选为 [Others]。</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>无法显示帮助页：未找到用于网页的程序。页面位于 %1。</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>未设置更新服务器，因此 Braxlow 无法查找更新。发布者在 %1 的 [Braxlow\Config] 节中以 UpdateServer 指定服务器。</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>桌面快捷方式位于 %1。</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>没有可断开的连接。</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>不存在编号为 %1 的连接条目：该快捷方式的条目已被删除。</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>请先选择连接条目：按“条目”。</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>手机或调制解调器</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow 会在计算机睡眠前挂断手机线路。</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>随桌面启动</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>无法将 Braxlow 设置为随桌面启动。</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>这些文件含有您的密码，但此计算机的其他用户也能读取：
%1
Braxlow 已将它们设为只有您能读取。</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>仍在结束连接...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>无法将本月使用的数据量保存到 %1。Braxlow 会继续计数，但结束时计数可能会丢失。</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>您无权启动拨号服务 (pppd)。管理员需在 Braxlow 的源代码文件夹中设置一次：sudo scripts/install-ppp-access %1（然后重新登录）。</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>无法使用拨号号码、用户名或密码：其中包含无法拨出的字符，或者过长。</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>无法打开电话簿。</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>找不到此连接的电话簿条目。</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>端口已打开：另一个程序正在使用手机。</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>手机不可用：未连接、未设置为可拨出，或正被另一个程序使用。</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>连接尚未完成，手机就已挂断。</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>手机在拨号时报告了错误。</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>没有拨号音：手机没有网络。</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>线路忙。</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>手机没有响应拨号命令。</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>网络未接受呼叫（无载波）。请检查拨号号码和接入点名称。</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>连接尚未完成即被网络关闭。</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>用户名或密码无效，访问被拒绝。</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>由于网络未及时响应，连接已结束。</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>PPP 链路控制协议已终止。</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>拨号服务 (pppd) 无法启动。此系统的内核可能缺少 PPP 支持（/dev/ppp 设备）。</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>拨号服务 (pppd) 因严重错误而停止，例如无法打开或锁定手机端口时。</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>拨号服务 (pppd) 拒绝了其选项。请检查系统的 /etc/ppp/options 和 Braxlow 的 /etc/ppp/peers/braxlow.&lt;device&gt;。</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>拨号服务的初始化脚本失败（/etc/ppp/options 或 /etc/ppp/peers/braxlow.&lt;device&gt; 中的“init”选项）。</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>此连接条目有自己的 DNS 服务器，但未安装 Braxlow 的 DNS 挂钩，因此这些服务器不会被使用。请在 Braxlow 的源代码文件夹中安装：sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>或者让网络提供 DNS 服务器：属性、高级、自动获得 DNS 服务器地址。</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>进程 %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>字节|KB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1（西里尔文）</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1（拉丁文）</translation>
    </message>
    <message id="3242">
        <source>%1 (Bokmål)</source>
        <translation>%1（博克马尔语）</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1（新挪威语）</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1（国际排序）</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>加勒比地区</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>鞑靼斯坦</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>历史记录...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>连接历史记录</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>所有条目</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>开始时间</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>条目</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>结束方式</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>已挂断</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>被网络断开</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>失败（%1）：%2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>已取消</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>连接期间 Braxlow 已退出</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>当前已连接</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>复制诊断信息</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>诊断报告已复制到剪贴板。其中的密码、PIN 码、余额查询代码以及 SIM 卡和手机的号码均已隐去。</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>自 %1 起的每日流量</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>流量额度：%1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>详细信息...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>条目：</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>尚无连接。</translation>
    </message>
</context>
</TS>
