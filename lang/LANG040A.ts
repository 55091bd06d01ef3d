<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow conecta su equipo a Internet mediante un teléfono móvil GPRS utilizado como módem.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Agregar módem...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow ya se está ejecutando.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>No se puede acceder al servidor de actualizaciones. Compruebe su conexión a Internet e inténtelo de nuevo más tarde.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>El puerto del teléfono está en uso por %s. Cierre %s e inténtelo de nuevo.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Nueva...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Nombre de la conexión:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Nombre del punto de acceso (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Configuración del teléfono...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Acceso directo</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Operador de red:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Número de marcado:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Propiedades...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Entradas de conexión</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Modo de acceso</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>No se pudo abrir el puerto del teléfono. Compruebe la configuración del teléfono.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow no pudo escribir en el puerto del teléfono.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>El teléfono rechazó un comando o no respondió. Compruebe que el teléfono está encendido y conectado.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Ya existe una entrada de conexión con este nombre. Elija otro nombre.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>no pudo conectarse.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>La descarga ha finalizado. ¿Desea instalar ahora la nueva versión?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>El servidor de actualizaciones está ocupado. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>Ya tiene la versión más reciente.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>El servidor de actualizaciones ha notificado un error. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>El archivo de actualización no está disponible en el servidor.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Escriba un nombre para la conexión.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Versión disponible:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Este teléfono no ofrece las funciones necesarias para una conexión GPRS.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Precedencia suscrita</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Clase de fiabilidad suscrita</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC y RLC con acuse de recibo; datos protegidos</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP sin acuse de recibo; LLC y RLC con acuse de recibo, datos protegidos</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP y LLC sin acuse de recibo; RLC con acuse de recibo, datos protegidos</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC y RLC sin acuse de recibo, datos protegidos</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC y RLC sin acuse de recibo, datos no protegidos</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Caudal máximo suscrito</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Hasta 1 000 octetos/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Hasta 2 000 octetos/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Hasta 4 000 octetos/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Prioridad alta</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Hasta 8 000 octetos/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Hasta 16 000 octetos/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Hasta 32 000 octetos/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Hasta 64 000 octetos/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Hasta 128 000 octetos/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Hasta 256 000 octetos/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Caudal medio suscrito</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 octetos/h</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 octetos/h</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 octetos/h</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>Prioridad normal</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 octetos/h</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 octetos/h</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 octetos/h</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 octetos/h</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 octetos/h</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 octetos/h</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 octetos/h</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 octetos/h</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 octetos/h</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 octetos/h</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>Prioridad baja</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 octetos/h</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 octetos/h</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 octetos/h</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 octetos/h</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 octetos/h</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>Mejor esfuerzo</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Clase de retardo suscrita</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Clase de retardo 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Clase de retardo 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Clase de retardo 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Clase de retardo 4 (mejor esfuerzo)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Clase de retardo:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Caudal medio:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Caudal máximo:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Precedencia:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Clase de fiabilidad:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Obtener las direcciones del servidor DNS automáticamente</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Usar las siguientes direcciones de servidor DNS:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Obtener una dirección IP automáticamente</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Usar la siguiente dirección IP:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Servidor DNS alternativo:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Servidor DNS preferido:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>Servidores DNS</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>El nombre del punto de acceso que le ha dado su operador, por ejemplo «internet».</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Un nombre de su elección para esta entrada de conexión.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>El país de su operador de red. Elija [Others] para ver todos los países.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>La contraseña para el acceso GPRS, si su operador la requiere.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>El número que marca el teléfono para GPRS, normalmente *99# o *99**1*1#. La cifra después de ** es el número de contexto.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Su operador de red. Elija [Others] para escribir usted mismo todos los ajustes.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>El nombre de usuario para el acceso GPRS, si su operador lo requiere.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>No se pudo preparar el teléfono para la conexión.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>La conexión ha finalizado.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>No se pudo configurar la entrada de acceso telefónico.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>No se pudo crear el acceso directo.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow está conectado. ¿Desea desconectar ahora?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>No preparado: no se pudo crear la entrada de acceso telefónico. Compruebe la configuración del teléfono.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>QoS mínima</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>QoS solicitada</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>Esperando la solicitud de devolución de llamada...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Registrando el equipo en la red...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Midiendo la velocidad del enlace...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Autenticación confirmada...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Autenticando de nuevo...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Autenticado</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Preparando la devolución de llamada...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Esperando a que se reinicie el teléfono...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Negociando la conexión...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Iniciando sesión en la red...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Enlace conectado</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Enlace desconectado</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Abriendo el puerto...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Aún no se ha seleccionado ninguna entrada de conexión. ¿Desea cerrar la ventana de todos modos?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>¿Desea eliminar la entrada de conexión seleccionada?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Puerto abierto</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Conectando con el teléfono...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Teléfono conectado, iniciando el enlace...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Comprobando el nombre de usuario y la contraseña...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Reintentando la autenticación...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Avanzado...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Nueva...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>&amp;Acceso directo</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Configuración del teléfono...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;Velocidad del puerto</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;Acerca de Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Mostrar ventana</translation>
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
        <translation>No se puede enviar esta entrada de conexión al teléfono: su campo «%1» contiene caracteres que un teléfono no acepta en un comando (como comillas, barras invertidas o saltos de línea). Corrija la entrada y vuelva a conectar.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>El campo «%1» solo puede contener las letras de la A a la Z, dígitos, guiones y puntos. Corríjalo y vuelva a guardar.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>El campo «%1» debe ser una dirección de cuatro números del 0 al 255 separados por puntos, como 10.0.0.1. Corríjalo y vuelva a guardar.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>El campo «%1» debe contener seis números separados por comas, como 1,0,0,3,0,0. Vuelva a elegir el perfil en esa página y guarde de nuevo.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>El servidor de actualizaciones envió una respuesta que no se puede leer. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>El servidor de actualizaciones ofreció un nombre que no es un nombre de archivo simple. Se rechazó la descarga.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>No hay suficiente espacio libre en disco para el archivo de actualización.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>El servidor de actualizaciones dejó de enviar datos. Se detuvo la descarga; inténtelo de nuevo más tarde.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>No se puede guardar el archivo de actualización en la carpeta de descargas.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>La conexión con el servidor de actualizaciones terminó antes de completarse el archivo. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 no es un paquete de instalación para este sistema, así que Braxlow no lo abre. En su lugar se muestra la carpeta que lo contiene.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>puerto AT principal</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>puerto AT secundario</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>puerto de datos</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>diagnóstico</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>no apto para marcar</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Número de puerto:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Elija el puerto serie al que está conectado el teléfono o escriba el dispositivo de un teléfono Bluetooth, por ejemplo /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Este puerto es COM%1. Se mostrará como su teléfono.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Elija o escriba el dispositivo al que está conectado el teléfono, por ejemplo /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>El dispositivo debe indicarse con una ruta completa, como /dev/rfcomm0, sin ';' ni caracteres de control.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Elija un número de puerto del 1 al 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 ya está en uso por %2. Elija otro número de puerto.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 está reservado para un dispositivo que no está conectado ahora. Elija otro número de puerto.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 ya figura como módem en COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 no se puede usar para un teléfono. Debe ser un puerto serie, un módem o un puerto Bluetooth. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 no existe. Conecte el teléfono o vincule su puerto Bluetooth y vuelva a agregarlo.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>La tarjeta SIM solicita su PIN. Vuelva a conectar e introduzca el PIN cuando se le pida.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>La tarjeta SIM está bloqueada tras tres PIN incorrectos y solicita su PUK. Desbloquéela en un teléfono con el PUK de su operador; Braxlow nunca envía un PUK.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>El teléfono no tiene tarjeta SIM o no puede leerla. Inserte la tarjeta SIM, reinicie el teléfono e inténtelo de nuevo.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>El teléfono no está registrado en ninguna red y no está buscando ninguna. Compruebe que la radio del teléfono está activada (no en modo avión).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>El teléfono todavía está buscando una red. Espere un momento e inténtelo de nuevo.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>La red ha rechazado el registro del teléfono. Pregunte a su operador si la tarjeta SIM está activa.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>La red no permite esta tarjeta SIM aquí (itinerancia no permitida). Elija otra red en el teléfono o consulte a su operador.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>El teléfono no tiene señal. Desplácese a un lugar con mejor cobertura e inténtelo de nuevo.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>El teléfono está registrado, pero no está conectado a datos por paquetes (GPRS). Compruebe que su contrato incluye datos móviles.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>El teléfono no reconoce los comandos de QoS; se aplican los valores predeterminados de la red.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>PIN de la SIM</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>La tarjeta SIM del teléfono está bloqueada. Introduzca su PIN (de 4 a 8 dígitos):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Intentos restantes: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Recordar el PIN para esta entrada</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>El teléfono no ha aceptado el PIN. Braxlow no vuelve a intentarlo por sí solo, por lo que la tarjeta SIM no se bloquea: compruebe el PIN y vuelva a conectar.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>La tarjeta SIM no está lista después de introducir el PIN. Espere un momento y vuelva a conectar.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Desbloqueando la tarjeta SIM...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Preguntando al teléfono qué ocurre...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Solo queda un intento: ahora un PIN incorrecto bloqueará la tarjeta SIM.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>El propio teléfono está bloqueado (un código del teléfono, no el PIN de la SIM). Desbloquéelo en el teléfono e inténtelo de nuevo.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Consultar saldo...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Saldo de prepago</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>Esta entrada no tiene código de saldo. Introduzca el código de su operador (por ejemplo *100#) en los ajustes de la entrada.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Consultando a la red...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>La red no ha respondido. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Respuesta:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>La red no admite este código.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>La red ha finalizado la sesión.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>Desde la SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Código de saldo:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>No se puede abrir el puerto del teléfono. Compruebe que el teléfono está conectado y que ningún otro programa usa su puerto.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>La tarjeta SIM solicita su PIN. Introduzca el PIN en el teléfono e inténtelo de nuevo.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>La tarjeta SIM está bloqueada y solicita su PUK. Desbloquéela en el teléfono e inténtelo de nuevo.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>El teléfono no tiene tarjeta SIM. Inserte la tarjeta SIM e inténtelo de nuevo.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>El teléfono no ha indicado la identidad de la SIM. Elija usted mismo el país y el operador de red.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>El código de red %1 de la SIM no figura en la lista de operadores. Elija usted mismo el país y el operador de red.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>La red de la SIM tiene varios ajustes predefinidos. Elija uno:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>El campo «%1» solo puede contener dígitos, *, # y +, 32 caracteres como máximo, como *100#. Corríjalo y vuelva a guardar.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Probar teléfono</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Fabricante:</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>Código de red (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>Tarjeta SIM:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Registro en la red:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Registro de datos por paquetes:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Red actual:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Señal:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Datos por paquetes (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Resultado:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm (%2 de 4 barras)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Desconocido|Lista|PIN requerido|PUK requerido|Sin tarjeta SIM|Bloqueada</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>No registrado|Red propia|Buscando|Rechazado|Desconocido|Itinerancia</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>No conectado|Conectado</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>El teléfono está listo para una conexión.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>El teléfono no respondió. Compruebe que está encendido y conectado, y que ha elegido el puerto correcto.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) está en uso por %3 (proceso %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>El teléfono no indica si está registrado en una red; la conexión puede fallar.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Para marcar, su usuario debe pertenecer a los grupos %1. Consulte a su administrador o ejecute "sudo adduser $USER dip" y "sudo adduser $USER dialout" y vuelva a iniciar sesión.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Reconectar automáticamente</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>Este mes: %1 de %2 MB (%3 %)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>Este mes: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Mes: %1 % de %2 MB</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>La conexión se ha interrumpido</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>Estuvo activa durante %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Se volverá a marcar en %1 s. Haga clic en «Desconectar» para cancelar.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>Se ha cancelado la nueva marcación.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Volumen de datos</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>Se ha usado el %1 % de los %2 MB de este mes.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>Se han agotado los %1 MB de este mes. Braxlow sigue conectado; los datos adicionales pueden tener un coste extra.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Volumen mensual:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>desde el día</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>Los datos que incluye su tarifa cada mes, contando ambos sentidos, y el día en que empieza su mes. Braxlow avisa al 80 % y al 100 % y nunca desconecta por ello.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>Pidiendo a ModemManager que libere el teléfono...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager no dejó que Braxlow usara el teléfono: %1
Un administrador puede permitirlo al grupo dip con install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager no liberó el teléfono a tiempo. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>El teléfono se desconectó del ordenador. Vuelva a enchufarlo y conéctese.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>Esperando a que se vuelva a enchufar el teléfono...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>Dispositivo USB:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Comunicando con el teléfono...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>Servidores DNS de la red</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>Los servidores DNS del preajuste necesitan el hook DNS de Braxlow, que no está instalado: se usan los de la red. Para instalarlo: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Rellenado con el preajuste del operador. Para escribir el suyo, elija [Others] como operador.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>No se pudo mostrar la página de ayuda: no se encontró ningún programa para páginas web. La página es %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>No hay ningún servidor de actualizaciones: Braxlow no puede buscar actualizaciones. Un editor lo indica como UpdateServer en la sección [Braxlow\Config] de %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>El acceso directo del escritorio es %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>No hay ninguna conexión que terminar.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>No existe la entrada de conexión número %1: la entrada del acceso directo se eliminó.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Elija primero una entrada de conexión: pulse Entradas.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Teléfono o módem</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow cuelga la línea del teléfono antes de que el ordenador se suspenda.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Iniciar con el escritorio</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>No se pudo configurar Braxlow para que se inicie con el escritorio.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>Estos archivos contienen sus contraseñas, pero otros usuarios de este equipo podían leerlos:
%1
Braxlow ha hecho que solo usted pueda leerlos.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>La conexión todavía se está terminando...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>No se pueden guardar en %1 los datos usados este mes. Braxlow sigue contando, pero lo contado puede perderse al cerrarse.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>No tiene permiso para iniciar el servicio de acceso telefónico (pppd). Un administrador lo configura una vez, desde la carpeta de código fuente de Braxlow: sudo scripts/install-ppp-access %1 (y vuelva a iniciar sesión).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>No se puede usar el número de marcado, el nombre de usuario o la contraseña: contiene caracteres que no se pueden marcar o es demasiado largo.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>No se pudo abrir la agenda telefónica.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>No se encontró la entrada de la agenda telefónica para esta conexión.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>El puerto ya está abierto: otro programa está usando el teléfono.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>El teléfono no está disponible: no está conectado, no está configurado para llamadas salientes o lo está usando otro programa.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>El teléfono colgó antes de que se completara la conexión.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>El teléfono informó de un error durante el marcado.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>No hay tono de marcado: el teléfono no tiene red.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>La línea está ocupada.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>El teléfono no respondió al comando de marcado.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>La red no aceptó la llamada (sin portadora). Compruebe el número de marcado y el nombre del punto de acceso.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>La red cerró la conexión antes de que se completara.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>Se denegó el acceso porque el nombre de usuario o la contraseña no son válidos.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>La conexión se terminó porque la red no respondió a tiempo.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>Se terminó el protocolo de control de enlace PPP.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>No se pudo iniciar el servicio de acceso telefónico (pppd). Puede que el núcleo de este sistema no admita PPP (el dispositivo /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>El servicio de acceso telefónico (pppd) se detuvo con un error grave, por ejemplo porque no pudo abrir o bloquear el puerto del teléfono.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>El servicio de acceso telefónico (pppd) rechazó sus opciones. Compruebe /etc/ppp/options del sistema y /etc/ppp/peers/braxlow.&lt;device&gt; de Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>Falló el script de inicio del servicio de acceso telefónico (una opción «init» en /etc/ppp/options o /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>Esta entrada de conexión tiene sus propios servidores DNS, pero el hook DNS de Braxlow no está instalado, así que no se usarían. Instálelo desde la carpeta de código fuente de Braxlow con: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>O deje que la red asigne los servidores DNS: Propiedades, Avanzado, Obtener las direcciones del servidor DNS automáticamente.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>proceso %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>B|KB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (cirílico)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (latino)</translation>
    </message>
    <message id="3242">
        <source>%1 (Bokmål)</source>
        <translation>%1 (bokmal)</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1 (nynorsk)</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1 (alfabetización internacional)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Caribe</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tartaristán</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Historial de conexiones</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Todas las entradas</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Recibido</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Cómo terminó</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Colgado</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Cortado por la red</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Fallido (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow se cerró durante la conexión</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Conectado ahora</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Copiar diagnóstico</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>El informe de diagnóstico está en el portapapeles. En él se ocultan las contraseñas, los PIN, los códigos de saldo y los números de la SIM y del teléfono.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Tráfico diario desde el %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Volumen de datos: %1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Detalles...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Entrada:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Aún no hay conexiones.</translation>
    </message>
</context>
</TS>
