<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Add Modem...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow is already running.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Remember password</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>The update server cannot be reached. Check your Internet connection and try again later.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>The phone's port is in use by %s. Close %s and try again.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>New...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Connection name:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Access point name (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Phone Setup...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Shortcut</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>Country:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Network provider:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Dial string:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Properties...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Connection Entries</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Access mode</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>The phone's port could not be opened. Check the phone setup.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow could not write to the phone's port.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>A connection entry with this name already exists. Please choose another name.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>could not connect.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Log On</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>The download is complete. Install the new version now?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>The update server is busy. Please try again later.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>You already have the latest version.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>The update server reported an error. Please try again later.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>The update file is not available on the server.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Please enter a connection name.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Available version:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>This phone does not offer the functions needed for a GPRS connection.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Subscribed precedence</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Subscribed reliability class</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>Acknowledged GTP, LLC, and RLC; Protected data</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>Unacknowledged GTP, LLC, and RLC, Protected data</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>Unacknowledged GTP, LLC, and RLC, Unprotected data</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Subscribed peak throughput</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Up to 1 000 octets/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Up to 2 000 octets/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Up to 4 000 octets/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>High priority</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Up to 8 000 octets/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Up to 16 000 octets/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Up to 32 000 octets/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Up to 64 000 octets/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Up to 128 000 octets/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Up to 256 000 octets/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Subscribed mean throughput</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 octets/h</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 octets/h</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 octets/h</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>Normal priority</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 octets/h</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 octets/h</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 octets/h</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 octets/h</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 octets/h</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 octets/h</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 octets/h</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 octets/h</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 octets/h</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 octets/h</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>Low priority</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 octets/h</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 octets/h</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 octets/h</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 octets/h</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 octets/h</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>Best effort</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Subscribed delay class</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Delay class 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Delay class 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Delay class 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Delay class 4 (best effort)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Delay class:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Mean throughput:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Peak throughput:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Precedence:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Reliability class:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Obtain DNS server addresses automatically</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Use the following DNS server addresses:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Obtain an IP address automatically</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Use the following IP address:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Alternate DNS server:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Preferred DNS server:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>IP address:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>DNS servers</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>The access point name your provider gave you, for example "internet".</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>A name of your choice for this connection entry.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>The country of your network provider. Choose [Others] to see every country.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>The password for the GPRS access, if your provider needs one.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Your network provider. Choose [Others] to type all settings yourself.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>The user name for the GPRS access, if your provider needs one.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>The phone could not be prepared for the connection.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>The connection has ended.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>The dial-up entry could not be set up.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>The shortcut could not be created.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow is connected. Disconnect now?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Not ready: the dial-up entry could not be made. Check the phone setup.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Entries</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>Minimum QoS</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>Requested QoS</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>Waiting for the callback request...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Registering your computer on the network...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Measuring the link speed...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Authentication acknowledged...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Authenticating again...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Authenticated</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Preparing for callback...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Waiting for the phone to reset...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Negotiating the connection...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Logging on to the network...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Link connected</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Link disconnected</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Opening the port...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>No connection entry has been selected yet. Close the window anyway?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Delete the selected connection entry?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Port opened</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Connecting to the phone...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Phone connected, starting the link...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Verifying user name and password...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Retrying authentication...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Advanced...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Entry</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;New...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Select</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;Properties...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>Short&amp;cut</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Phone Setup...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>Port &amp;Speed</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Check for &amp;Updates...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;About Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Show Window</translation>
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
        <translation>This connection entry cannot be sent to the phone: its field "%1" holds characters a phone does not accept in a command (such as quotation marks, backslashes or line breaks). Correct the entry, then connect again.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>The update server sent an answer that cannot be read. Please try again later.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>The update server offered a file name that is not a plain file name. The download was refused.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>There is not enough free disk space for the update file.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>The update server stopped sending. The download was stopped; please try again later.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>The update file cannot be saved in the download folder.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>The connection to the update server ended before the file was complete. Please try again later.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>main AT port</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>second AT port</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>data port</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>diagnostics</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>not for dialing</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Port number:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Device:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>This port is COM%1. It will be listed as your phone.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Choose a port number from 1 to 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 is already used by %2. Choose another port number.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 is kept for a device that is not connected now. Choose another port number.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 is already listed as a modem on COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>The phone is still looking for a network. Wait a moment and try again.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>The network refused to register the phone. Ask your provider whether the SIM card is active.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>The phone has no signal. Move to a place with better reception and try again.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>The phone does not know the QoS commands; the network's defaults apply.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>SIM PIN</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Attempts left: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Remember the PIN for this entry</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>The SIM card did not become ready after the PIN. Wait a moment and connect again.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Unlocking the SIM card...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Asking the phone what is wrong...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Only one attempt is left: a wrong PIN now blocks the SIM card.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Check Balance...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Prepaid Balance</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Asking the network...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>The network did not answer. Try again later.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Reply:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>The network does not support this code.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>The network has ended the session.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Save...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>From SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Balance code:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>The phone has no SIM card. Insert the SIM card, then try again.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>The phone did not tell the SIM's identity. Choose the country and provider yourself.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>The SIM's network has several presets. Choose one:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Test the Phone</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Maker:</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>Network code (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>SIM card:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Network registration:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Packet data registration:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Current network:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Signal:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Packet data (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Result:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm (%2 of 4 bars)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Not registered|Home network|Searching|Refused|Unknown|Roaming</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Not attached|Attached</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>The phone is ready for a connection.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) is in use by %3 (process %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>The phone does not say whether it is registered with a network; a connection may fail.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Reconnect Automatically</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>This month: %1 of %2 MB (%3%)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>This month: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Month: %1% of %2 MB</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>The connection dropped</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>It was up for %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Dialing again in %1 s. Click Disconnect to cancel.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>Dialing again was canceled.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Data allowance</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>%1% of this month's %2 MB have been used.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Monthly allowance:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>from day</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>Asking ModemManager to let go of the phone...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager did not let go of the phone in time. Try again in a moment.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>The phone was disconnected from the computer. Plug it in again, then connect.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>Waiting for the phone to be plugged in again...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>USB device:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Talking to the phone...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>DNS servers from the network</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>The help page could not be shown: no program for web pages was found. The page is %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>The desktop shortcut is %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>There is no connection to end.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>There is no connection entry number %1: the shortcut's entry was deleted.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Choose a connection entry first: press Entries.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Phone or modem</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow hangs up the phone's line before the computer sleeps.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Start with the Desktop</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Braxlow could not be set to start with the desktop.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>The connection is still being ended...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>The phone book could not be opened.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>The phone book entry for this connection could not be found.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>The port is already open: another program is using the phone.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>The phone hung up before the connection was complete.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>The phone reported an error while dialing.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>There is no dial tone: the phone has no network.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>The line is busy.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>The phone did not answer the dial command.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>The network did not accept the call (no carrier). Check the dial string and the access point name.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>The connection was closed by the network before it was complete.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>Access was denied because the user name or password is not valid.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>The connection was ended because the network did not respond in time.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>The PPP link control protocol was terminated.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>process %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (process %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>B|kB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (Cyrillic)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (Latin)</translation>
    </message>
    <message id="3242">
        <source>%1 (Bokmål)</source>
        <translation>%1 (Bokmål)</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1 (Nynorsk)</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1 (international sort)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Caribbean</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tatarstan</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>History...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Connection History</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>All entries</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Started</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Entry</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Received</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Sent</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>How it ended</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Hung up</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Dropped by the network</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Failed (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Canceled</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow ended while connected</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Connected now</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Copy Diagnostics</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Traffic per day since %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Allowance: %1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Entry:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>No connections yet.</translation>
    </message>
</context>
</TS>
