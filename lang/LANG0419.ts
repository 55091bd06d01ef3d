<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow подключает компьютер к Интернету через GPRS-телефон, используемый как модем.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Добавить модем...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow уже запущен.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Запомнить пароль</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>Сервер обновлений недоступен. Проверьте подключение к Интернету и повторите попытку позже.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>Порт телефона занят программой %s. Закройте %s и повторите попытку.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Создать...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Имя подключения:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Точка доступа (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Настройка телефона...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Ярлык</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>Страна:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Оператор:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Номер дозвона:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Свойства...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Записи подключений</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Режим доступа</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>Не удалось открыть порт телефона. Проверьте настройку телефона.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow не может записать данные в порт телефона.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>Телефон отклонил команду или не ответил. Убедитесь, что телефон включён и подключён.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Запись подключения с таким именем уже существует. Выберите другое имя.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>не удалось подключиться.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Вход</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>Загрузка завершена. Установить новую версию сейчас?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>Сервер обновлений занят. Повторите попытку позже.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>У вас уже установлена последняя версия.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>Сервер обновлений сообщил об ошибке. Повторите попытку позже.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>Файл обновления отсутствует на сервере.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Введите имя подключения.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Доступная версия:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Этот телефон не поддерживает функции, необходимые для GPRS-подключения.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Приоритет по подписке</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Класс надёжности по подписке</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC и RLC с подтверждением; защищённые данные</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP без подтверждения; LLC и RLC с подтверждением, защищённые данные</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP и LLC без подтверждения; RLC с подтверждением, защищённые данные</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC и RLC без подтверждения, защищённые данные</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC и RLC без подтверждения, незащищённые данные</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Пиковая скорость по подписке</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>До 1 000 октет/с</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>До 2 000 октет/с</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>До 4 000 октет/с</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Высокий приоритет</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>До 8 000 октет/с</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>До 16 000 октет/с</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>До 32 000 октет/с</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>До 64 000 октет/с</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>До 128 000 октет/с</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>До 256 000 октет/с</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Средняя скорость по подписке</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 октет/ч</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 октет/ч</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 октет/ч</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>Обычный приоритет</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 октет/ч</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 октет/ч</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 октет/ч</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 октет/ч</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 октет/ч</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 октет/ч</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 октет/ч</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 октет/ч</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 октет/ч</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 октет/ч</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>Низкий приоритет</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 октет/ч</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 октет/ч</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 октет/ч</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 октет/ч</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 октет/ч</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>Без гарантий</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Класс задержки по подписке</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Класс задержки 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Класс задержки 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Класс задержки 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Класс задержки 4 (без гарантий)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Класс задержки:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Средняя скорость:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Пиковая скорость:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Приоритет:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Класс надёжности:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Получить адреса DNS-серверов автоматически</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Использовать следующие адреса DNS-серверов:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Получить IP-адрес автоматически</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Использовать следующий IP-адрес:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Альтернативный DNS-сервер:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Предпочитаемый DNS-сервер:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>IP-адрес:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>DNS-серверы</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>Имя точки доступа, выданное оператором, например «internet».</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Любое имя для этой записи подключения.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>Страна вашего оператора. Выберите [Others], чтобы увидеть все страны.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>Пароль для доступа к GPRS, если его требует оператор.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>Номер, который телефон набирает для GPRS, обычно *99# или *99**1*1#. Цифра после ** — номер контекста.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Ваш оператор. Выберите [Others], чтобы ввести все параметры вручную.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>Имя пользователя для доступа к GPRS, если его требует оператор.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>Не удалось подготовить телефон к подключению.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>Подключение завершено.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>Не удалось настроить запись удалённого доступа.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>Не удалось создать ярлык.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow подключён. Отключиться сейчас?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Не готов: не удалось создать запись удалённого доступа. Проверьте настройку телефона.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Записи</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>Минимальное QoS</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>Запрашиваемое QoS</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>Ожидание запроса обратного вызова...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Регистрация компьютера в сети...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Измерение скорости канала...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Проверка подлинности подтверждена...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Повторная проверка подлинности...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Подлинность подтверждена</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Подготовка к обратному вызову...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Ожидание сброса телефона...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Согласование параметров подключения...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Вход в сеть...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Канал подключён</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Канал отключён</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Открытие порта...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Запись подключения ещё не выбрана. Всё равно закрыть окно?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Удалить выбранную запись подключения?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Порт открыт</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Подключение к телефону...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Телефон подключён, запуск канала...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Проверка имени пользователя и пароля...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Повтор проверки подлинности...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Дополнительно...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Запись</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Создать...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Выбрать</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>Сво&amp;йства...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>&amp;Ярлык</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Настройка телефона...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;Скорость порта</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>&amp;Проверить обновления...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Разделы справки</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;О программе Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Показать окно</translation>
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
        <translation>Эту запись подключения нельзя передать телефону: её поле «%1» содержит символы, которые телефон не принимает в командах (например, кавычки, обратные косые черты или переводы строк). Исправьте запись и подключитесь снова.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>Поле «%1» может содержать только буквы от A до Z, цифры, дефисы и точки. Исправьте его и сохраните снова.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>Поле «%1» должно содержать адрес из четырёх чисел от 0 до 255, разделённых точками, например 10.0.0.1. Исправьте его и сохраните снова.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>Поле «%1» должно содержать шесть чисел, разделённых запятыми, например 1,0,0,3,0,0. Снова выберите профиль на этой странице и сохраните.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>Сервер обновлений прислал ответ, который не удаётся прочитать. Повторите попытку позже.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>Сервер обновлений предложил имя файла, которое не является простым именем файла. Загрузка отклонена.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>Недостаточно свободного места на диске для файла обновления.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>Сервер обновлений перестал передавать данные. Загрузка остановлена; повторите попытку позже.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>Не удаётся сохранить файл обновления в папке загрузок.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>Подключение к серверу обновлений прервалось до получения всего файла. Повторите попытку позже.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 не является установочным пакетом для этой системы, поэтому Braxlow его не открывает. Вместо этого показана папка, в которой он находится.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>основной AT-порт</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>второй AT-порт</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>порт данных</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>диагностика</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>не для дозвона</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Номер порта:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Устройство:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Выберите последовательный порт, к которому подключён телефон, или введите устройство Bluetooth-телефона, например /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Это порт COM%1. Он будет указан как ваш телефон.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Выберите или введите устройство, к которому подключён телефон, например /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>Устройство нужно указать полным путём, например /dev/rfcomm0, без ';' и управляющих символов.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Выберите номер порта от 1 до 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 уже используется устройством %2. Выберите другой номер порта.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 зарезервирован за устройством, которое сейчас не подключено. Выберите другой номер порта.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 уже указан как модем на COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 нельзя использовать для телефона. Это должен быть последовательный порт, модем или порт Bluetooth. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 не существует. Подключите телефон или привяжите его порт Bluetooth, затем добавьте снова.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>SIM-карта запрашивает PIN-код. Подключитесь снова и введите PIN-код, когда он будет запрошен.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>SIM-карта заблокирована после трёх неверных PIN-кодов и запрашивает PUK-код. Разблокируйте её в телефоне с помощью PUK-кода от вашего оператора; Braxlow никогда не отправляет PUK-код.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>В телефоне нет SIM-карты, или он не может её прочитать. Вставьте SIM-карту, перезапустите телефон и повторите попытку.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>Телефон не зарегистрирован в сети и не ищет её. Убедитесь, что радиомодуль телефона включён (режим полёта выключен).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>Телефон ещё ищет сеть. Подождите немного и повторите попытку.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>Сеть отказала телефону в регистрации. Уточните у оператора, активна ли SIM-карта.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>Сеть не допускает эту SIM-карту здесь (роуминг запрещён). Выберите другую сеть на телефоне или обратитесь к оператору.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>У телефона нет сигнала. Перейдите в место с лучшим приёмом и повторите попытку.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>Телефон зарегистрирован, но не подключён к пакетной передаче данных (GPRS). Убедитесь, что ваш тариф включает мобильную передачу данных.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>Телефон не знает команд QoS; действуют значения сети по умолчанию.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>PIN-код SIM-карты</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>SIM-карта в телефоне заблокирована. Введите её PIN-код (от 4 до 8 цифр):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Осталось попыток: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Запомнить PIN-код для этой записи</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>Телефон не принял PIN-код. Braxlow не повторяет попытку сам, поэтому SIM-карта не блокируется: проверьте PIN-код и подключитесь снова.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>SIM-карта не перешла в состояние готовности после ввода PIN-кода. Подождите немного и подключитесь снова.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Разблокировка SIM-карты...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Выяснение причины у телефона...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Осталась только одна попытка: теперь неверный PIN-код заблокирует SIM-карту.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>Заблокирован сам телефон (код телефона, а не PIN-код SIM-карты). Разблокируйте его на телефоне и повторите попытку.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Проверить баланс...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Баланс предоплаты</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>У этой записи нет кода баланса. Введите код вашего оператора (например, *100#) в параметрах записи.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Запрос к сети...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>Сеть не ответила. Повторите попытку позже.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Ответ:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>Сеть не поддерживает этот код.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>Сеть завершила сеанс.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>С SIM-карты</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Код баланса:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>Не удаётся открыть порт телефона. Убедитесь, что телефон подключён и его порт не используется другой программой.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>SIM-карта запрашивает PIN-код. Введите PIN-код на телефоне и повторите попытку.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>SIM-карта заблокирована и запрашивает PUK-код. Разблокируйте её на телефоне и повторите попытку.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>В телефоне нет SIM-карты. Вставьте SIM-карту и повторите попытку.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>Телефон не сообщил идентификатор SIM-карты. Выберите страну и оператора вручную.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>Код сети %1 SIM-карты отсутствует в списке операторов. Выберите страну и оператора вручную.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>Для сети SIM-карты есть несколько предустановок. Выберите одну:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>Поле «%1» может содержать только цифры, *, # и +, не более 32 символов, например *100#. Исправьте его и сохраните снова.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Проверка телефона</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Производитель:</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>Прошивка:</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>Код сети (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>SIM-карта:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Регистрация в сети:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Регистрация для пакетных данных:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Текущая сеть:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Пакетные данные (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Результат:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 дБм (%2 из 4 делений)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Неизвестно|Готова|Требуется PIN-код|Требуется PUK-код|Нет SIM-карты|Заблокирована</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Не зарегистрирован|Домашняя сеть|Поиск сети|Отказано|Неизвестно|Роуминг</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Не присоединён|Присоединён</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>Телефон готов к подключению.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>Телефон не ответил. Убедитесь, что он включён и подключён и что выбран правильный порт.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) занят программой %3 (процесс %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>Телефон не сообщает, зарегистрирован ли он в сети; подключение может не удаться.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Для набора номера ваш пользователь должен входить в группы %1. Обратитесь к администратору или выполните «sudo adduser $USER dip» и «sudo adduser $USER dialout», затем войдите в систему заново.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Переподключаться автоматически</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>В этом месяце: %1 из %2 МБ (%3%)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>В этом месяце: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Месяц: %1% из %2 МБ</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>Подключение прервано</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>Оно длилось %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Повторный набор через %1 с. Нажмите «Отключить», чтобы отменить.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>Повторный набор отменён.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Лимит трафика</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>Использовано %1% месячного лимита в %2 МБ.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>Месячный лимит в %1 МБ исчерпан. Braxlow остаётся подключённым; дальнейший трафик может оплачиваться дополнительно.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Месячный лимит:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>с числа</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>Месячный объём трафика по вашему тарифу (входящий и исходящий вместе) и число, с которого начинается расчётный месяц. Braxlow предупреждает при 80% и 100%, но никогда не отключается из-за этого.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>Запрос к ModemManager на освобождение телефона...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager не позволил Braxlow использовать телефон: %1
Администратор может разрешить это группе dip командой install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager не освободил телефон вовремя. Повторите попытку через минуту.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>Телефон был отключён от компьютера. Подключите его снова, затем установите соединение.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>Ожидание повторного подключения телефона...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>USB-устройство:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Связь с телефоном...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>DNS-серверы от сети</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>DNS-серверам предустановки нужен DNS-хук Braxlow, который не установлен, поэтому используются серверы сети. Установка: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Взято из предустановки оператора. Чтобы ввести своё значение, выберите оператора [Others].</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>Не удалось показать страницу справки: программа для веб-страниц не найдена. Страница: %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>Сервер обновлений не задан, поэтому Braxlow не может искать обновления. Издатель указывает его как UpdateServer в разделе [Braxlow\Config] файла %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>Ярлык на рабочем столе: %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>Нет соединения, которое можно разорвать.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>Записи подключения номер %1 нет: запись ярлыка была удалена.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Сначала выберите запись подключения: нажмите «Записи».</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Телефон или модем</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow разрывает соединение телефона перед переходом компьютера в спящий режим.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Запускать вместе с рабочим столом</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Не удалось настроить запуск Braxlow вместе с рабочим столом.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>Эти файлы содержат ваши пароли, но их могли читать другие пользователи этого компьютера:
%1
Braxlow сделал их доступными для чтения только вам.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>Соединение всё ещё завершается...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>Объём данных за этот месяц не удаётся сохранить в %1. Braxlow продолжает считать, но подсчёт может потеряться при его закрытии.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>У вас нет прав на запуск службы удалённого доступа (pppd). Администратор один раз настраивает её из папки исходного кода Braxlow: sudo scripts/install-ppp-access %1 (затем войдите в систему заново).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>Номер дозвона, имя пользователя или пароль нельзя использовать: в них есть символы, которые невозможно набрать, или они слишком длинные.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>Не удалось открыть телефонную книгу.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>Не найдена запись телефонной книги для этого подключения.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>Порт уже открыт: телефон использует другая программа.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>Телефон недоступен: он не подключён, не настроен для исходящих вызовов или используется другой программой.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>Телефон разорвал соединение до завершения подключения.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>Телефон сообщил об ошибке при наборе номера.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>Нет сигнала готовности: у телефона нет сети.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>Линия занята.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>Телефон не ответил на команду набора номера.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>Сеть не приняла вызов (нет несущей). Проверьте номер дозвона и точку доступа.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>Сеть закрыла соединение до завершения подключения.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>В доступе отказано: имя пользователя или пароль недействительны.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>Подключение прервано: сеть не ответила вовремя.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>Протокол управления каналом PPP завершил работу.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>Не удалось запустить службу удалённого доступа (pppd). Возможно, ядро этой системы не поддерживает PPP (устройство /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>Служба удалённого доступа (pppd) остановилась из-за критической ошибки, например когда не смогла открыть или заблокировать порт телефона.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>Служба удалённого доступа (pppd) отклонила свои параметры. Проверьте системный файл /etc/ppp/options и файл Braxlow /etc/ppp/peers/braxlow.&lt;device&gt;.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>Сценарий инициализации службы удалённого доступа завершился с ошибкой (параметр «init» в /etc/ppp/options или /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>У этой записи подключения свои DNS-серверы, но DNS-хук Braxlow не установлен, поэтому они не будут использоваться. Установите его из папки исходного кода Braxlow командой: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Или пусть DNS-серверы назначает сеть: «Свойства», «Дополнительно», «Получить адреса DNS-серверов автоматически».</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>процесс %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (процесс %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>Б|КБ|МБ|ГБ|ТБ</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (кириллица)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (латиница)</translation>
    </message>
    <message id="3242">
        <source>%1 (Bokmål)</source>
        <translation>%1 (букмол)</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1 (нюнорск)</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1 (международная сортировка)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Карибский бассейн</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Татарстан</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>История...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>История подключений</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Все записи</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Начало</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Запись</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Получено</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Чем завершилось</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Отключено</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Разорвано сетью</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Ошибка (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Отменено</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow был закрыт во время подключения</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Подключено сейчас</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Копировать диагностику</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>Диагностический отчёт скопирован в буфер обмена. Пароли, PIN-коды, коды баланса и номера SIM-карты и телефона в нём скрыты.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Трафик по дням с %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Лимит: %1 МБ</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Подробности...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Запись:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Подключений пока не было.</translation>
    </message>
</context>
</TS>
