<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>يصل Braxlow حاسوبك بالإنترنت عبر هاتف محمول GPRS يُستخدم كمودم.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>التحقق من وجود تحديثات</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>إضافة مودم...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow قيد التشغيل بالفعل.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>تذكّر كلمة المرور</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>يتعذر الوصول إلى خادم التحديث. تحقق من اتصالك بالإنترنت وأعد المحاولة لاحقًا.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>منفذ الهاتف قيد الاستخدام بواسطة %s. أغلق %s وأعد المحاولة.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>الاتصال</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>جديد...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>اسم الاتصال:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>اسم نقطة الوصول (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>إعداد الهاتف...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>اختصار</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>البلد:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>مشغل الشبكة:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>اختيار</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>رقم الطلب:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>خصائص...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>إدخالات الاتصال</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>وضع الوصول</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>اسم المستخدم:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>تعذر فتح منفذ الهاتف. تحقق من إعداد الهاتف.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>تعذر على Braxlow الكتابة إلى منفذ الهاتف.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>رفض الهاتف أمرًا أو لم يستجب. تأكد من أن الهاتف قيد التشغيل ومتصل.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>يوجد بالفعل إدخال اتصال بهذا الاسم. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>لم يتمكن من الاتصال.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>اكتمل التنزيل. هل تريد تثبيت الإصدار الجديد الآن؟</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>خادم التحديث مشغول. يُرجى إعادة المحاولة لاحقًا.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>لديك أحدث إصدار بالفعل.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>أبلغ خادم التحديث عن خطأ. يُرجى إعادة المحاولة لاحقًا.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>ملف التحديث غير متوفر على الخادم.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>يُرجى إدخال اسم للاتصال.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>الإصدار المتوفر:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>لا يوفر هذا الهاتف الوظائف اللازمة لاتصال GPRS.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>الأسبقية حسب الاشتراك</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>فئة الموثوقية حسب الاشتراك</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP وLLC وRLC بإقرار؛ بيانات محمية</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP بلا إقرار؛ LLC وRLC بإقرار، بيانات محمية</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP وLLC بلا إقرار؛ RLC بإقرار، بيانات محمية</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP وLLC وRLC بلا إقرار، بيانات محمية</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP وLLC وRLC بلا إقرار، بيانات غير محمية</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>الإنتاجية القصوى حسب الاشتراك</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>حتى 1 000 ثمانية/ثانية</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>حتى 2 000 ثمانية/ثانية</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>حتى 4 000 ثمانية/ثانية</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>أسبقية عالية</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>حتى 8 000 ثمانية/ثانية</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>حتى 16 000 ثمانية/ثانية</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>حتى 32 000 ثمانية/ثانية</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>حتى 64 000 ثمانية/ثانية</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>حتى 128 000 ثمانية/ثانية</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>حتى 256 000 ثمانية/ثانية</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>متوسط الإنتاجية حسب الاشتراك</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 ثمانية/ساعة</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 ثمانية/ساعة</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 ثمانية/ساعة</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>أسبقية عادية</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 ثمانية/ساعة</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 ثمانية/ساعة</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 ثمانية/ساعة</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 ثمانية/ساعة</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 ثمانية/ساعة</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 ثمانية/ساعة</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 ثمانية/ساعة</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 ثمانية/ساعة</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 ثمانية/ساعة</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 ثمانية/ساعة</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>أسبقية منخفضة</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 ثمانية/ساعة</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 ثمانية/ساعة</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 ثمانية/ساعة</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 ثمانية/ساعة</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 ثمانية/ساعة</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>أفضل جهد</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>فئة التأخير حسب الاشتراك</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>فئة التأخير 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>فئة التأخير 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>فئة التأخير 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>فئة التأخير 4 (أفضل جهد)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>فئة التأخير:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>متوسط الإنتاجية:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>الإنتاجية القصوى:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>الأسبقية:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>فئة الموثوقية:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>الحصول على عناوين خوادم DNS تلقائيًا</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>استخدام عناوين خوادم DNS التالية:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>الحصول على عنوان IP تلقائيًا</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>استخدام عنوان IP التالي:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>خادم DNS البديل:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>خادم DNS المفضل:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>عنوان IP:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>خوادم DNS</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>عنوان IP</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>اسم نقطة الوصول الذي زوّدك به مشغل الشبكة، مثل «internet».</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>اسم من اختيارك لإدخال الاتصال هذا.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>بلد مشغل الشبكة. اختر [Others] لعرض جميع البلدان.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>كلمة المرور للوصول إلى GPRS، إذا كان مشغل الشبكة يطلبها.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>الرقم الذي يطلبه الهاتف لاتصال GPRS، وهو عادةً ‎*99# أو ‎*99**1*1#. الرقم بعد ‎** هو رقم السياق.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>مشغل الشبكة. اختر [Others] لإدخال جميع الإعدادات بنفسك.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>اسم المستخدم للوصول إلى GPRS، إذا كان مشغل الشبكة يطلبه.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>اتصال</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>قطع الاتصال</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>تعذر تجهيز الهاتف للاتصال.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>انتهى الاتصال.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>تعذر إعداد إدخال الطلب الهاتفي.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>تعذر إنشاء الاختصار.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow متصل. هل تريد قطع الاتصال الآن؟</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>غير جاهز: تعذر إنشاء إدخال الطلب الهاتفي. تحقق من إعداد الهاتف.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>الإدخالات</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>QoS الدنيا</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>QoS المطلوبة</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>متصل</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>في انتظار طلب معاودة الاتصال...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>جارٍ تسجيل حاسوبك على الشبكة...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>جارٍ قياس سرعة الارتباط...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>تم الإقرار بالمصادقة...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>جارٍ إعادة المصادقة...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>تمت المصادقة</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>جارٍ التحضير لمعاودة الاتصال...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>في انتظار إعادة تعيين الهاتف...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>تم قطع الاتصال</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>جارٍ التفاوض على الاتصال...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>جارٍ تسجيل الدخول إلى الشبكة...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>تم توصيل الارتباط</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>تم قطع الارتباط</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>جارٍ فتح المنفذ...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>لم يتم اختيار أي إدخال اتصال بعد. هل تريد إغلاق النافذة على أي حال؟</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>هل تريد حذف إدخال الاتصال المحدد؟</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>تم فتح المنفذ</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>جارٍ الاتصال بالهاتف...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>الهاتف متصل، جارٍ بدء الارتباط...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>جارٍ التحقق من اسم المستخدم وكلمة المرور...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>جارٍ إعادة محاولة المصادقة...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>خيارات متقدمة...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;إدخال</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;جديد...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;اختيار</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;خصائص...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>اخت&amp;صار</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;إعداد الهاتف...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;سرعة المنفذ</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>&amp;التحقق من وجود تحديثات...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;مواضيع التعليمات</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;حول Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;إظهار النافذة</translation>
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
        <translation>لا يمكن إرسال إدخال الاتصال هذا إلى الهاتف: يحتوي الحقل «%1» على أحرف لا يقبلها الهاتف في الأوامر (مثل علامات الاقتباس أو الشرطات المائلة العكسية أو فواصل الأسطر). صحّح الإدخال ثم أعد الاتصال.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>لا يجوز أن يحتوي الحقل «%1» إلا على الأحرف من A إلى Z والأرقام والواصلات والنقاط. صحّحه ثم احفظ مجددًا.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>يجب أن يكون الحقل «%1» عنوانًا من أربعة أعداد بين 0 و255 تفصل بينها نقاط، مثل 10.0.0.1. صحّحه ثم احفظ مجددًا.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>يجب أن يتكون الحقل «%1» من ستة أعداد تفصل بينها فواصل، مثل 1,0,0,3,0,0. اختر ملف التعريف مجددًا في تلك الصفحة ثم احفظ مجددًا.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>أرسل خادم التحديث ردًا تتعذر قراءته. يُرجى إعادة المحاولة لاحقًا.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>اقترح خادم التحديث اسم ملف ليس اسم ملف عاديًا. تم رفض التنزيل.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>لا توجد مساحة خالية كافية على القرص لملف التحديث.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>توقف خادم التحديث عن الإرسال. تم إيقاف التنزيل؛ يُرجى إعادة المحاولة لاحقًا.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>لا يمكن حفظ ملف التحديث في مجلد التنزيلات.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>انقطع الاتصال بخادم التحديث قبل اكتمال الملف. يُرجى إعادة المحاولة لاحقًا.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 ليس حزمة تثبيت لهذا النظام، لذلك لا يفتحه Braxlow. يُعرض بدلًا من ذلك المجلد الذي يحتويه.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>منفذ AT الرئيسي</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>منفذ AT الثاني</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>منفذ البيانات</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>التشخيص</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>ليس للطلب</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>رقم المنفذ:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>الجهاز:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>اختر المنفذ التسلسلي المتصل به هاتفك، أو اكتب جهاز هاتف Bluetooth، مثل ‎/dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>هذا المنفذ هو COM%1. سيُدرج على أنه هاتفك.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>اختر الجهاز المتصل به هاتفك أو اكتبه، مثل ‎/dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>يجب إدخال الجهاز كمسار كامل مثل ‎/dev/rfcomm0، دون ';' أو أحرف تحكم.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>اختر رقم منفذ من 1 إلى 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>المنفذ COM%1 مستخدم بالفعل بواسطة %2. اختر رقم منفذ آخر.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>المنفذ COM%1 محجوز لجهاز غير متصل حاليًا. اختر رقم منفذ آخر.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 مُدرج بالفعل كمودم على COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>لا يمكن استخدام %1 لهاتف. يجب أن يكون منفذًا تسلسليًا أو مودمًا أو منفذ Bluetooth. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 غير موجود. وصّل الهاتف أو اربط منفذ Bluetooth الخاص به، ثم أضفه مجددًا.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>تطلب بطاقة SIM رمز PIN الخاص بها. أعد الاتصال وأدخل رمز PIN عند طلبه.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>حُظرت بطاقة SIM بعد إدخال ثلاثة رموز PIN خاطئة، وهي تطلب رمز PUK. ألغِ حظرها في هاتف باستخدام رمز PUK الذي يوفره مشغل الشبكة؛ لا يرسل Braxlow رمز PUK أبدًا.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>لا توجد بطاقة SIM في الهاتف، أو يتعذر عليه قراءتها. أدخل بطاقة SIM، وأعد تشغيل الهاتف، ثم أعد المحاولة.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>الهاتف غير مسجل في أي شبكة ولا يبحث عن شبكة. تحقق من أن الاتصال اللاسلكي للهاتف قيد التشغيل (وأنه ليس في وضع الطيران).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>لا يزال الهاتف يبحث عن شبكة. انتظر قليلًا ثم أعد المحاولة.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>رفضت الشبكة تسجيل الهاتف. اسأل مشغل الشبكة عما إذا كانت بطاقة SIM مفعّلة.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>لا تسمح الشبكة باستخدام بطاقة SIM هذه هنا (التجوال غير مسموح به). اختر شبكة أخرى على الهاتف، أو اسأل مشغل الشبكة.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>لا توجد إشارة في الهاتف. انتقل إلى مكان ذي استقبال أفضل ثم أعد المحاولة.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>الهاتف مسجل ولكنه غير مرتبط بخدمة البيانات بالحزم (GPRS). تحقق من أن اشتراكك يتضمن بيانات الجوال.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>لا يعرف الهاتف أوامر QoS؛ تُطبَّق الإعدادات الافتراضية للشبكة.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>رمز PIN لبطاقة SIM</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>بطاقة SIM في الهاتف مقفلة. أدخل رمز PIN الخاص بها (من 4 إلى 8 أرقام):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>المحاولات المتبقية: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>تذكّر رمز PIN لهذا الإدخال</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>لم يقبل الهاتف رمز PIN. لا يعيد Braxlow المحاولة من تلقاء نفسه، لذا لا تُحظر بطاقة SIM: تحقق من رمز PIN ثم أعد الاتصال.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>لم تصبح بطاقة SIM جاهزة بعد إدخال رمز PIN. انتظر قليلًا ثم أعد الاتصال.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>جارٍ إلغاء قفل بطاقة SIM...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>جارٍ سؤال الهاتف عن سبب المشكلة...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>تبقّت محاولة واحدة فقط: إدخال رمز PIN خاطئ الآن سيحظر بطاقة SIM.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>الهاتف نفسه مقفل (برمز الهاتف، وليس برمز PIN لبطاقة SIM). ألغِ قفله على الهاتف ثم أعد المحاولة.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>التحقق من الرصيد...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>رصيد الدفع المسبق</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>لا يحتوي هذا الإدخال على رمز للرصيد. أدخل رمز مشغل الشبكة (مثل ‎*100#) في إعدادات الإدخال.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>جارٍ الاستعلام من الشبكة...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>لم تستجب الشبكة. أعد المحاولة لاحقًا.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>الرد:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>إرسال</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>لا تدعم الشبكة هذا الرمز.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>أنهت الشبكة الجلسة.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>حفظ...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>من بطاقة SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>رمز الرصيد:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>يتعذر فتح منفذ الهاتف. تأكد من أن الهاتف متصل ومن عدم استخدام أي برنامج آخر لمنفذه.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>تطلب بطاقة SIM رمز PIN الخاص بها. أدخل رمز PIN على الهاتف، ثم أعد المحاولة.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>بطاقة SIM مقفلة وتطلب رمز PUK. ألغِ قفلها على الهاتف، ثم أعد المحاولة.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>لا توجد بطاقة SIM في الهاتف. أدخل بطاقة SIM، ثم أعد المحاولة.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>لم يُبلغ الهاتف عن هوية بطاقة SIM. اختر البلد ومشغل الشبكة بنفسك.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>رمز الشبكة %1 الخاص ببطاقة SIM غير موجود في قائمة مشغلي الشبكات. اختر البلد ومشغل الشبكة بنفسك.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>لشبكة بطاقة SIM عدة إعدادات مسبقة. اختر واحدًا منها:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>لا يجوز أن يحتوي الحقل «%1» إلا على الأرقام والرموز * و# و+، بحد أقصى 32 حرفًا، مثل ‎*100#. صحّحه ثم احفظ مجددًا.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>اختبار الهاتف</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>الشركة المصنّعة:</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>الطراز:</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>البرنامج الثابت:</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>رمز الشبكة (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>بطاقة SIM:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>التسجيل في الشبكة:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>التسجيل لبيانات الحزم:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>الشبكة الحالية:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>الإشارة:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>بيانات الحزم (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>النتيجة:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>‎%1 dBm (%2 من 4 أشرطة)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>غير معروف|جاهزة|مطلوب رمز PIN|مطلوب رمز PUK|لا توجد بطاقة SIM|مقفلة</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>غير مسجل|الشبكة المحلية|جارٍ البحث|مرفوض|غير معروف|تجوال</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>غير مرتبط|مرتبط</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>الهاتف جاهز للاتصال.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>لم يستجب الهاتف. تأكد من أنه قيد التشغيل ومتصل، ومن اختيار المنفذ الصحيح.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) قيد الاستخدام بواسطة %3 (العملية %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>لا يوضح الهاتف ما إذا كان مسجلًا في شبكة؛ قد يفشل الاتصال.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>للاتصال، يجب أن يكون المستخدم عضوًا في المجموعات %1. اطلب ذلك من المسؤول، أو شغّل ‎"sudo adduser $USER dip" و‎"sudo adduser $USER dialout" ثم سجّل الدخول من جديد.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>إعادة الاتصال تلقائيًا</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>هذا الشهر: %1 من %2 ميغابايت (%3%)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>هذا الشهر: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>الشهر: %1% من %2 ميغابايت</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>انقطع الاتصال</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>استمر الاتصال مدة %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>إعادة الطلب بعد %1 ث. انقر «قطع الاتصال» للإلغاء.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>تم إلغاء إعادة الطلب.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>باقة البيانات</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>تم استخدام %1% من باقة هذا الشهر البالغة %2 ميغابايت.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>نفدت باقة هذا الشهر البالغة %1 ميغابايت. يظل Braxlow متصلًا؛ وقد تُحتسب رسوم إضافية على البيانات الإضافية.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>الباقة الشهرية:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>لا يوجد</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>بدءًا من يوم</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>حجم البيانات الذي تسمح به باقتك كل شهر، محسوبًا في الاتجاهين، واليوم الذي يبدأ فيه شهرها. ينبّه Braxlow عند 80% و100% ولا يقطع الاتصال بسبب ذلك أبدًا.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>جارٍ طلب تحرير الهاتف من ModemManager...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>لم يسمح ModemManager لبرنامج Braxlow باستخدام الهاتف: %1
يمكن للمسؤول السماح بذلك لمجموعة dip باستخدام install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>لم يحرر ModemManager الهاتف في الوقت المناسب. حاول مرة أخرى بعد قليل.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>تم فصل الهاتف عن الكمبيوتر. أعد توصيله، ثم اتصل.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>في انتظار إعادة توصيل الهاتف...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>جهاز USB:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>جارٍ التواصل مع الهاتف...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>خوادم DNS من الشبكة</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>تحتاج خوادم DNS في الإعداد المسبق إلى خطاف DNS الخاص ببرنامج Braxlow، وهو غير مثبت، لذا تُستخدم خوادم الشبكة. للتثبيت: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>تمت تعبئته من الإعداد المسبق لمزوّد الخدمة. لكتابة قيمتك، اختر [Others] مزوّداً للشبكة.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>تعذّر عرض صفحة المساعدة: لم يُعثر على برنامج لصفحات الويب. الصفحة هي %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>لم يُحدَّد خادم تحديثات، لذا لا يستطيع Braxlow البحث عن تحديثات. يحدده الناشر باسم UpdateServer في القسم [Braxlow\Config] من %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>اختصار سطح المكتب هو %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>لا يوجد اتصال لإنهائه.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>لا يوجد إدخال اتصال رقم %1: تم حذف إدخال الاختصار.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>اختر إدخال اتصال أولاً: اضغط على الإدخالات.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>الهاتف أو المودم</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>الجهاز</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>يُنهي Braxlow خط الهاتف قبل أن يدخل الكمبيوتر في وضع السكون.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>البدء مع سطح المكتب</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>تعذّر ضبط Braxlow ليبدأ مع سطح المكتب.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>تحتوي هذه الملفات على كلمات المرور الخاصة بك، لكن كان بإمكان مستخدمين آخرين لهذا الحاسوب قراءتها:
%1
جعلها Braxlow قابلة للقراءة من قبلك فقط.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>لا يزال إنهاء الاتصال جاريًا...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>لا يمكن حفظ البيانات المستخدمة هذا الشهر في %1. يواصل Braxlow العد، لكن ما يعدّه قد يضيع عند إغلاقه.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>غير مسموح لك بتشغيل خدمة الطلب الهاتفي (pppd). يُعدّها المسؤول مرة واحدة من مجلد المصدر الخاص ببرنامج Braxlow: ‎sudo scripts/install-ppp-access %1 (ثم سجّل الدخول من جديد).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>لا يمكن استخدام رقم الطلب أو اسم المستخدم أو كلمة المرور: فهو يحتوي على أحرف لا يمكن طلبها، أو أنه طويل جدًا.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>تعذر فتح دفتر الهاتف.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>تعذر العثور على إدخال دفتر الهاتف لهذا الاتصال.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>المنفذ مفتوح بالفعل: هناك برنامج آخر يستخدم الهاتف.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>الهاتف غير متاح: فهو غير متصل، أو غير مُعدّ للاتصال الصادر، أو قيد الاستخدام بواسطة برنامج آخر.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>أنهى الهاتف المكالمة قبل اكتمال الاتصال.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>أبلغ الهاتف عن خطأ أثناء الطلب.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>لا توجد نغمة اتصال: الهاتف ليس متصلاً بأي شبكة.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>الخط مشغول.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>لم يستجب الهاتف لأمر الطلب.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>لم تقبل الشبكة المكالمة (لا توجد موجة حاملة). تحقق من رقم الطلب واسم نقطة الوصول.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>أغلقت الشبكة الاتصال قبل اكتماله.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>تم رفض الوصول لأن اسم المستخدم أو كلمة المرور غير صالحة.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>تم إنهاء الاتصال لأن الشبكة لم تستجب في الوقت المناسب.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>تم إنهاء بروتوكول التحكم في الارتباط PPP.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>تعذر بدء خدمة الطلب الهاتفي (pppd). قد تفتقر نواة هذا النظام إلى دعم PPP (الجهاز ‎/dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>توقفت خدمة الطلب الهاتفي (pppd) بسبب خطأ فادح، على سبيل المثال عندما تعذر عليها فتح منفذ الهاتف أو قفله.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>رفضت خدمة الطلب الهاتفي (pppd) خياراتها. تحقق من الملف ‎/etc/ppp/options الخاص بالنظام والملف ‎/etc/ppp/peers/braxlow.&lt;device&gt; الخاص ببرنامج Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>فشل البرنامج النصي لتهيئة خدمة الطلب الهاتفي (خيار «init» في ‎/etc/ppp/options أو ‎/etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>لإدخال الاتصال هذا خوادم DNS خاصة به، لكن خطاف DNS الخاص ببرنامج Braxlow غير مثبت، لذا لن تُستخدم. ثبّته من مجلد المصدر الخاص ببرنامج Braxlow باستخدام: ‎sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>أو دع الشبكة تحدد خوادم DNS: خصائص، خيارات متقدمة، الحصول على عناوين خوادم DNS تلقائيًا.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>العملية %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (العملية %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>بايت|كيلوبايت|ميغابايت|غيغابايت|تيرابايت</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (السيريلية)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (اللاتينية)</translation>
    </message>
    <message id="3242">
        <source>%1 (Bokmål)</source>
        <translation>%1 (بوكمال)</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1 (نينورسك)</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1 (الفرز الدولي)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>منطقة البحر الكاريبي</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>تتارستان</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>السجل...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>سجل الاتصالات</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>جميع الإدخالات</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>وقت البدء</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>الإدخال</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>المدة</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>المستلم</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>المرسل</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>كيف انتهى</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>تم إنهاء المكالمة</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>قطعت الشبكة الاتصال</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>فشل (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>تم الإلغاء</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>أُغلق Braxlow أثناء الاتصال</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>متصل الآن</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>نسخ التشخيص</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>تقرير التشخيص موجود في الحافظة. كلمات المرور ورموز PIN ورموز الرصيد وأرقام بطاقة SIM والهاتف مخفية فيه.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>حركة البيانات اليومية منذ %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>الباقة: %1 ميغابايت</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>التفاصيل...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>الإدخال:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>لا توجد اتصالات بعد.</translation>
    </message>
</context>
</TS>
