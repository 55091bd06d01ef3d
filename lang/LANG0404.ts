<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow 透過當作數據機使用的 GPRS 手機，讓您的電腦連上網際網路。</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>新增數據機...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow 已在執行中。</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>記住密碼</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>無法連線到更新伺服器。請檢查您的網際網路連線，稍後再試一次。</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>手機的連接埠正由 %s 使用中。請關閉 %s 後再試一次。</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>新增...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>連線名稱：</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>存取點名稱 (APN)：</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>手機設定...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>捷徑</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>國家/地區：</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>電信業者：</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>撥號號碼：</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>內容...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>連線項目</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>存取方式</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>無法開啟手機的連接埠。請檢查手機設定。</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow 無法寫入手機的連接埠。</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>手機拒絕了指令或沒有回應。請確認手機已開機並已連接。</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>已有相同名稱的連線項目。請選擇其他名稱。</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>無法連線。</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>登入</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>下載完成。要立即安裝新版本嗎？</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>更新伺服器忙碌中。請稍後再試。</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>您已經在使用最新版本。</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>更新伺服器回報錯誤。請稍後再試。</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>伺服器上沒有此更新檔案。</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>請輸入連線名稱。</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>可用版本：</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>此手機不具備 GPRS 連線所需的功能。</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>簽約優先權</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>簽約可靠度等級</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>確認模式 GTP、LLC 及 RLC；受保護資料</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>非確認模式 GTP；確認模式 LLC 及 RLC，受保護資料</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>非確認模式 GTP 及 LLC；確認模式 RLC，受保護資料</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>非確認模式 GTP、LLC 及 RLC，受保護資料</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>非確認模式 GTP、LLC 及 RLC，未受保護資料</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>簽約峰值傳輸量</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>最高 1 000 八位元組/秒</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>最高 2 000 八位元組/秒</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>最高 4 000 八位元組/秒</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>高優先權</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>最高 8 000 八位元組/秒</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>最高 16 000 八位元組/秒</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>最高 32 000 八位元組/秒</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>最高 64 000 八位元組/秒</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>最高 128 000 八位元組/秒</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>最高 256 000 八位元組/秒</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>簽約平均傳輸量</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 八位元組/小時</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 八位元組/小時</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 八位元組/小時</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>一般優先權</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 八位元組/小時</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 八位元組/小時</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 八位元組/小時</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 八位元組/小時</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 八位元組/小時</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 八位元組/小時</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 八位元組/小時</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 八位元組/小時</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 八位元組/小時</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 八位元組/小時</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>低優先權</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 八位元組/小時</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 八位元組/小時</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 八位元組/小時</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 八位元組/小時</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 八位元組/小時</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>盡力而為</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>簽約延遲等級</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>延遲等級 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>延遲等級 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>延遲等級 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>延遲等級 4（盡力而為）</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>延遲等級：</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>平均傳輸量：</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>峰值傳輸量：</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>優先權：</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>可靠度等級：</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>自動取得 DNS 伺服器位址</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>使用下列的 DNS 伺服器位址：</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>自動取得 IP 位址</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>使用下列的 IP 位址：</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>其他 DNS 伺服器：</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>慣用 DNS 伺服器：</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>IP 位址：</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>DNS 伺服器</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>IP 位址</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>電信業者提供給您的存取點名稱，例如「internet」。</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>您為此連線項目自訂的名稱。</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>您的電信業者所在的國家/地區。選擇 [Others] 可查看所有國家/地區。</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>GPRS 存取的密碼（如果電信業者有要求）。</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>手機撥接 GPRS 時使用的號碼，通常是 *99# 或 *99**1*1#。** 後面的數字是內容編號。</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>您的電信業者。選擇 [Others] 可自行輸入所有設定。</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>GPRS 存取的使用者名稱（如果電信業者有要求）。</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>無法讓手機做好連線準備。</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>連線已結束。</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>無法設定撥號項目。</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>無法建立捷徑。</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow 已連線。要立即中斷連線嗎？</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>未就緒：無法建立撥號項目。請檢查手機設定。</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>項目</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>最低 QoS</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>要求的 QoS</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>已連線</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>正在等待回撥要求...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>正在網路上註冊您的電腦...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>正在測量連結速度...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>驗證已確認...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>正在重新驗證...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>已驗證</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>正在準備回撥...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>正在等待手機重設...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>已中斷連線</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>正在協商連線...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>正在登入網路...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>連結已連線</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>連結已中斷</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>正在開啟連接埠...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>尚未選取連線項目。仍要關閉視窗嗎？</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>要刪除選取的連線項目嗎？</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>連接埠已開啟</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>正在連接手機...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>手機已連接，正在啟動連結...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>正在驗證使用者名稱和密碼...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>正在重試驗證...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>進階...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>項目(&amp;E)</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>新增(&amp;N)...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>選取(&amp;S)</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>內容(&amp;P)...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>捷徑(&amp;C)</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>手機設定(&amp;P)...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>連接埠速度(&amp;S)</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>檢查更新(&amp;U)...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>說明主題(&amp;H)</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>關於 Braxlow(&amp;A)...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>顯示視窗(&amp;S)</translation>
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
        <translation>無法將此連線項目傳送到手機：其欄位「%1」含有手機在指令中不接受的字元（例如引號、反斜線或換行）。請修正此項目，然後再連線一次。</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>欄位「%1」只能包含字母 A 到 Z、數字、連字號和句點。請修正後再儲存一次。</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>欄位「%1」必須是以句點連接的四個 0 到 255 數字所組成的位址，例如 10.0.0.1。請修正後再儲存一次。</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>欄位「%1」必須是以逗號連接的六個數字，例如 1,0,0,3,0,0。請在該頁重新選擇設定檔，然後再儲存一次。</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>更新伺服器傳回無法讀取的回應。請稍後再試。</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>更新伺服器提供的檔名不是單純的檔名。已拒絕下載。</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>磁碟可用空間不足，無法存放更新檔案。</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>更新伺服器已停止傳送。下載已中止，請稍後再試。</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>無法將更新檔案儲存到下載資料夾。</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>與更新伺服器的連線在檔案接收完成前就中斷了。請稍後再試。</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 不是適用於此系統的安裝套件，因此 Braxlow 不會開啟它。改為顯示存放它的資料夾。</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>主要 AT 連接埠</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>次要 AT 連接埠</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>資料連接埠</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>不用於撥號</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>連接埠編號：</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>裝置：</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>請選擇手機所連接的序列埠，或輸入藍牙手機的裝置，例如 /dev/rfcomm0。</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>此連接埠為 COM%1。它將列為您的手機。</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>請選擇或輸入手機所連接的裝置，例如 /dev/rfcomm0。</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>裝置必須以完整路徑指定，例如 /dev/rfcomm0，且不得包含 ';' 或控制字元。</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>請選擇 1 到 255 之間的連接埠編號。</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 已由 %2 使用。請選擇其他連接埠編號。</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 已保留給目前未連接的裝置。請選擇其他連接埠編號。</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 已列為 COM%2 上的數據機。</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 無法用於手機。它必須是序列埠、數據機或藍牙連接埠。（%2）</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 不存在。請連接手機或繫結其藍牙連接埠，然後再新增一次。</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>SIM 卡要求輸入 PIN 碼。請重新連線，並在提示時輸入 PIN 碼。</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>連續三次輸入錯誤的 PIN 碼後，SIM 卡已被鎖住，需要輸入 PUK 碼。請將它裝入手機，使用電信業者提供的 PUK 碼解除鎖定；Braxlow 絕不會傳送 PUK 碼。</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>手機中沒有 SIM 卡，或無法讀取 SIM 卡。請插入 SIM 卡，重新啟動手機後再試一次。</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>手機未在任何網路上註冊，也沒有在搜尋網路。請確認手機的無線電功能已開啟（未處於飛航模式）。</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>手機仍在搜尋網路。請稍候，然後再試一次。</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>網路拒絕了手機的註冊。請向您的電信業者詢問 SIM 卡是否已啟用。</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>網路不允許此 SIM 卡在此處使用（不允許漫遊）。請在手機上選擇其他網路，或洽詢您的電信業者。</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>手機沒有訊號。請移到收訊較好的地方後再試一次。</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>手機已註冊，但未附加到封包數據 (GPRS)。請確認您的資費方案包含行動數據。</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>手機不認得 QoS 指令；將採用網路的預設值。</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>SIM 卡 PIN 碼</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>手機中的 SIM 卡已鎖定。請輸入其 PIN 碼（4 到 8 位數字）：</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>剩餘嘗試次數：%1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>為此項目記住 PIN 碼</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>手機不接受此 PIN 碼。Braxlow 不會自行重試，因此 SIM 卡不會被鎖住：請檢查 PIN 碼，然後再連線一次。</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>輸入 PIN 碼後 SIM 卡未能就緒。請稍候，然後再連線一次。</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>正在解除 SIM 卡鎖定...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>正在詢問手機發生了什麼問題...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>只剩一次嘗試機會：現在輸入錯誤的 PIN 碼將鎖住 SIM 卡。</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>手機本身已鎖定（是手機密碼，而不是 SIM 卡 PIN 碼）。請在手機上解除鎖定後再試一次。</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>查詢餘額...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>預付餘額</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>此項目沒有餘額查詢代碼。請在項目設定中輸入電信業者的代碼（例如 *100#）。</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>正在查詢網路...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>網路沒有回應。請稍後再試一次。</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>回覆：</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>網路不支援此代碼。</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>網路已結束工作階段。</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>儲存...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>從 SIM 卡取得</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>餘額查詢代碼：</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>無法開啟手機的連接埠。請確認手機已連接，且沒有其他程式正在使用其連接埠。</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>SIM 卡要求輸入 PIN 碼。請在手機上輸入 PIN 碼，然後再試一次。</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>SIM 卡已鎖住，需要輸入 PUK 碼。請在手機上解除鎖定，然後再試一次。</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>手機中沒有 SIM 卡。請插入 SIM 卡，然後再試一次。</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>手機未提供 SIM 卡的識別資訊。請自行選擇國家/地區和電信業者。</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>SIM 卡的網路代碼 %1 不在電信業者清單中。請自行選擇國家/地區和電信業者。</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>SIM 卡的網路有多個預設設定。請選擇一個：</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>欄位「%1」只能包含數字、*、# 和 +，最多 32 個字元，例如 *100#。請修正後再儲存一次。</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>測試手機</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>製造商：</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>型號：</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>韌體：</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>網路代碼 (MCC/MNC)：</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>SIM 卡：</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>網路註冊：</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>封包資料註冊：</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>目前網路：</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>訊號：</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>封包資料 (GPRS)：</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>結果：</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm（4 格中的 %2 格）</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>未知|就緒|需要 PIN|需要 PUK|無 SIM 卡|已鎖定</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>未註冊|本地網路|搜尋中|遭拒絕|未知|漫遊</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>未附著|已附著</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>手機已準備好連線。</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>手機沒有回應。請確認手機已開機並已連接，且已選擇正確的連接埠。</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1（%2）正由 %3（處理程序 %4）使用中。</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>手機未表明是否已在網路上註冊；連線可能會失敗。</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>要撥號，您的使用者必須屬於 %1 群組。請聯絡系統管理員，或執行「sudo adduser $USER dip」和「sudo adduser $USER dialout」，然後重新登入。</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>自動重新連線</translation>
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
        <translation>連線已中斷</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>連線持續了 %1。</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>%1 秒後重新撥號。按一下「中斷連線」即可取消。</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>已取消重新撥號。</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>數據額度</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>本月 %2 MB 的數據額度已使用 %1%。</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>本月 %1 MB 的數據額度已用完。Braxlow 會保持連線；繼續使用數據可能需額外付費。</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>每月數據額度：</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>無</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>起始日</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>您的方案每月可用的數據量（上傳與下載合計），以及每個計費月份的起始日。Braxlow 會在用量達到 80% 與 100% 時提醒您，但絕不會因此中斷連線。</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>正在要求 ModemManager 釋放手機...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager 未允許 Braxlow 使用手機：%1
管理員可以透過 install-ppp-access 為 dip 群組授予此權限。</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager 未能及時釋放手機。請稍後重試。</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>手機已與電腦中斷連線。請重新插入，然後連線。</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>正在等待重新插入手機...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>USB 裝置：</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>正在與手機通訊...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>來自網路的 DNS 伺服器</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>預設的 DNS 伺服器需要未安裝的 Braxlow DNS 掛鉤，因此使用網路自己的伺服器。安裝方法：sudo scripts/install-ppp-access</translation>
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
        <translation>由業者預設填入。若要自行輸入，請將網路業者選為 [Others]。</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>無法顯示說明頁：找不到用於網頁的程式。頁面位於 %1。</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>未設定更新伺服器，因此 Braxlow 無法尋找更新。發行者在 %1 的 [Braxlow\Config] 區段中以 UpdateServer 指定伺服器。</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>桌面捷徑位於 %1。</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>沒有可中斷的連線。</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>不存在編號為 %1 的連線項目：此捷徑的項目已被刪除。</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>請先選擇連線項目：按「項目」。</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>手機或數據機</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>裝置</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow 會在電腦睡眠前掛斷手機線路。</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>隨桌面啟動</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>無法將 Braxlow 設定為隨桌面啟動。</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>這些檔案含有您的密碼，但此電腦的其他使用者也能讀取：
%1
Braxlow 已將它們設為只有您能讀取。</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>仍在結束連線...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>無法將本月使用的數據量儲存到 %1。Braxlow 會繼續計數，但結束時計數可能會遺失。</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>您沒有啟動撥號服務 (pppd) 的權限。系統管理員需在 Braxlow 的原始碼資料夾中設定一次：sudo scripts/install-ppp-access %1（然後重新登入）。</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>無法使用撥號號碼、使用者名稱或密碼：其中含有無法撥出的字元，或長度過長。</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>無法開啟電話簿。</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>找不到此連線的電話簿項目。</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>連接埠已開啟：另一個程式正在使用手機。</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>手機無法使用：未連接、未設定為可撥出，或正由另一個程式使用中。</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>連線尚未完成，手機就已掛斷。</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>手機在撥號時回報錯誤。</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>沒有撥號音：手機沒有網路。</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>線路忙碌中。</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>手機沒有回應撥號指令。</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>網路未接受通話（無載波）。請檢查撥號號碼和存取點名稱。</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>連線尚未完成即被網路關閉。</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>使用者名稱或密碼無效，存取遭拒。</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>由於網路未及時回應，連線已結束。</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>PPP 連結控制通訊協定已終止。</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>撥號服務 (pppd) 無法啟動。此系統的核心可能缺少 PPP 支援（/dev/ppp 裝置）。</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>撥號服務 (pppd) 因嚴重錯誤而停止，例如無法開啟或鎖定手機的連接埠時。</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>撥號服務 (pppd) 拒絕了其選項。請檢查系統的 /etc/ppp/options 和 Braxlow 的 /etc/ppp/peers/braxlow.&lt;device&gt;。</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>撥號服務的初始化指令碼失敗（/etc/ppp/options 或 /etc/ppp/peers/braxlow.&lt;device&gt; 中的「init」選項）。</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>此連線項目有自己的 DNS 伺服器，但未安裝 Braxlow 的 DNS 掛鉤，因此不會使用這些伺服器。請在 Braxlow 的原始碼資料夾中安裝：sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>或讓網路提供 DNS 伺服器：內容、進階、自動取得 DNS 伺服器位址。</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>處理程序 %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1（處理程序 %2）</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>位元組|KB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1（西里爾文）</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1（拉丁文）</translation>
    </message>
    <message id="3242">
        <source>%1 (Bokmål)</source>
        <translation>%1（巴克摩挪威文）</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1（耐諾斯克挪威文）</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1（國際排序）</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>加勒比海地區</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>韃靼斯坦</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>歷史記錄...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>連線歷史記錄</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>所有項目</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>開始時間</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>項目</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>持續時間</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>已接收</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>已傳送</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>結束方式</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>已掛斷</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>被網路中斷</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>失敗（%1）：%2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>已取消</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>連線期間 Braxlow 已結束</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>目前已連線</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>複製診斷資訊</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>診斷報告已複製到剪貼簿。其中的密碼、PIN 碼、餘額查詢代碼以及 SIM 卡與手機的號碼皆已遮蔽。</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>自 %1 起的每日數據流量</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>數據額度：%1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>詳細資料...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>項目：</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>尚無連線。</translation>
    </message>
</context>
</TS>
