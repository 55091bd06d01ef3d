<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow bringt Ihren Computer über ein GPRS-Mobiltelefon als Modem online.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Modem hinzufügen...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow wird bereits ausgeführt.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Kennwort speichern</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>Der Update-Server ist nicht erreichbar. Prüfen Sie Ihre Internetverbindung und versuchen Sie es später erneut.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>Der Anschluss des Telefons wird von %s verwendet. Beenden Sie %s und versuchen Sie es erneut.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Installierte Version:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Verbindungsname:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Zugangspunkt (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Telefon einrichten...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Verknüpfung</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Netzbetreiber:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Einwahlnummer:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Verbindungseinträge</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Zugangsart</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>Der Anschluss des Telefons konnte nicht geöffnet werden. Prüfen Sie die Telefoneinrichtung.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow konnte nicht auf den Anschluss des Telefons schreiben.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>Das Telefon hat einen Befehl abgelehnt oder nicht geantwortet. Prüfen Sie, ob das Telefon eingeschaltet und angeschlossen ist.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Ein Verbindungseintrag mit diesem Namen existiert bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>konnte keine Verbindung herstellen.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Anmelden</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>Der Download ist abgeschlossen. Die neue Version jetzt installieren?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>Der Update-Server ist ausgelastet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>Sie haben bereits die neueste Version.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>Der Update-Server hat einen Fehler gemeldet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>Die Update-Datei ist auf dem Server nicht verfügbar.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Bitte geben Sie einen Verbindungsnamen ein.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Verfügbare Version:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Dieses Telefon bietet nicht die Funktionen, die für eine GPRS-Verbindung nötig sind.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Vertraglich vereinbarte Priorität</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Vertraglich vereinbarte Zuverlässigkeitsklasse</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC und RLC bestätigt; geschützte Daten</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP unbestätigt; LLC und RLC bestätigt, geschützte Daten</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP und LLC unbestätigt; RLC bestätigt, geschützte Daten</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC und RLC unbestätigt, geschützte Daten</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC und RLC unbestätigt, ungeschützte Daten</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Vertraglich vereinbarter Spitzendurchsatz</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Bis 1 000 Oktette/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Bis 2 000 Oktette/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Bis 4 000 Oktette/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Hohe Priorität</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Bis 8 000 Oktette/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Bis 16 000 Oktette/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Bis 32 000 Oktette/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Bis 64 000 Oktette/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Bis 128 000 Oktette/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Bis 256 000 Oktette/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Vertraglich vereinbarter mittlerer Durchsatz</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 Oktette/h</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 Oktette/h</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 Oktette/h</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>Normale Priorität</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 Oktette/h</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 Oktette/h</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 Oktette/h</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 Oktette/h</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 Oktette/h</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 Oktette/h</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 Oktette/h</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 Oktette/h</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 Oktette/h</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 Oktette/h</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>Niedrige Priorität</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 Oktette/h</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 Oktette/h</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 Oktette/h</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 Oktette/h</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 Oktette/h</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>Bestmöglich</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Vertraglich vereinbarte Verzögerungsklasse</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Verzögerungsklasse 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Verzögerungsklasse 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Verzögerungsklasse 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Verzögerungsklasse 4 (bestmöglich)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Verzögerungsklasse:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Mittlerer Durchsatz:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Spitzendurchsatz:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Priorität:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Zuverlässigkeitsklasse:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>DNS-Serveradressen automatisch beziehen</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Folgende DNS-Serveradressen verwenden:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>IP-Adresse automatisch beziehen</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Folgende IP-Adresse verwenden:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Alternativer DNS-Server:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Bevorzugter DNS-Server:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>DNS-Server</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>Der Zugangspunkt, den Ihr Netzbetreiber angibt, zum Beispiel „internet“.</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Ein frei wählbarer Name für diesen Verbindungseintrag.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>Das Land Ihres Netzbetreibers. Wählen Sie [Others], um alle Länder zu sehen.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>Das Kennwort für den GPRS-Zugang, falls Ihr Netzbetreiber eines verlangt.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>Die Nummer, die das Telefon für GPRS wählt, meist *99# oder *99**1*1#. Die Ziffer nach ** ist die Kontextnummer.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Ihr Netzbetreiber. Wählen Sie [Others], um alle Einstellungen selbst einzugeben.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>Der Benutzername für den GPRS-Zugang, falls Ihr Netzbetreiber einen verlangt.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>Das Telefon konnte nicht für die Verbindung vorbereitet werden.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>Die Verbindung wurde beendet.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>Der DFÜ-Eintrag konnte nicht eingerichtet werden.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>Die Verknüpfung konnte nicht erstellt werden.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow ist verbunden. Jetzt trennen?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Nicht bereit: Der DFÜ-Eintrag konnte nicht angelegt werden. Prüfen Sie die Telefoneinrichtung.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>Minimale QoS</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>Angeforderte QoS</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>Warten auf die Rückrufanforderung...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Computer wird im Netzwerk registriert...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Verbindungsgeschwindigkeit wird ermittelt...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Authentifizierung bestätigt...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Erneute Authentifizierung...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Authentifiziert</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Rückruf wird vorbereitet...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Warten auf das Zurücksetzen des Telefons...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Verbindung wird ausgehandelt...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Anmeldung am Netzwerk...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Teilverbindung hergestellt</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Teilverbindung getrennt</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Anschluss wird geöffnet...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Es wurde noch kein Verbindungseintrag ausgewählt. Fenster trotzdem schließen?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Den ausgewählten Verbindungseintrag löschen?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Anschluss geöffnet</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Verbindung mit dem Telefon...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Telefon verbunden, Verbindung wird aufgebaut...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Benutzername und Kennwort werden überprüft...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Authentifizierung wird wiederholt...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Erweitert...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>&amp;Verknüpfung</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Telefon einrichten...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;Info über Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Fenster anzeigen</translation>
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
        <translation>Dieser Eintrag kann nicht an das Telefon gesendet werden: Sein Feld „%1“ enthält Zeichen, die ein Telefon in Befehlen nicht annimmt (etwa Anführungszeichen, Backslashes oder Zeilenumbrüche). Korrigieren Sie den Eintrag und verbinden Sie erneut.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>Das Feld „%1“ darf nur die Buchstaben A bis Z, Ziffern, Bindestriche und Punkte enthalten. Korrigieren Sie es und speichern Sie erneut.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>Das Feld „%1“ muss eine Adresse aus vier Zahlen von 0 bis 255 sein, durch Punkte getrennt, etwa 10.0.0.1. Korrigieren Sie es und speichern Sie erneut.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>Das Feld „%1“ muss aus sechs durch Kommas getrennten Zahlen bestehen, etwa 1,0,0,3,0,0. Wählen Sie das Profil auf dieser Seite erneut und speichern Sie dann.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>Der Update-Server hat eine Antwort gesendet, die nicht gelesen werden kann. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>Der Update-Server hat einen Dateinamen angeboten, der kein einfacher Dateiname ist. Der Download wurde abgelehnt.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>Für die Update-Datei ist nicht genügend freier Speicherplatz vorhanden.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>Der Update-Server sendet nicht mehr. Der Download wurde abgebrochen; bitte versuchen Sie es später erneut.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>Die Update-Datei kann nicht im Download-Ordner gespeichert werden.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>Die Verbindung zum Update-Server endete, bevor die Datei vollständig war. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 ist kein Installationspaket für dieses System, daher öffnet Braxlow die Datei nicht. Stattdessen wird der Ordner angezeigt, der sie enthält.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>AT-Hauptanschluss</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>AT-Zweitanschluss</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>Datenanschluss</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>nicht zum Wählen</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Anschlussnummer:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Wählen Sie die serielle Schnittstelle, an der Ihr Telefon angeschlossen ist, oder geben Sie das Gerät eines Bluetooth-Telefons ein, zum Beispiel /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Diese Schnittstelle ist COM%1. Sie wird als Ihr Telefon aufgeführt.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Wählen Sie das Gerät, an dem Ihr Telefon angeschlossen ist, oder geben Sie es ein, zum Beispiel /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>Das Gerät muss als vollständiger Pfad angegeben werden, zum Beispiel /dev/rfcomm0, ohne ';' und ohne Steuerzeichen.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Wählen Sie eine Anschlussnummer von 1 bis 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 wird bereits von %2 verwendet. Wählen Sie eine andere Anschlussnummer.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 ist für ein Gerät reserviert, das gerade nicht angeschlossen ist. Wählen Sie eine andere Anschlussnummer.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 ist bereits als Modem an COM%2 aufgeführt.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 kann nicht für ein Telefon verwendet werden. Es muss eine serielle Schnittstelle, ein Modem oder ein Bluetooth-Anschluss sein. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 ist nicht vorhanden. Schließen Sie das Telefon an oder binden Sie seinen Bluetooth-Anschluss, und fügen Sie es dann erneut hinzu.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>Die SIM-Karte verlangt ihre PIN. Verbinden Sie erneut und geben Sie die PIN ein, wenn Sie danach gefragt werden.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>Die SIM-Karte ist nach drei falschen PINs gesperrt und verlangt ihre PUK. Entsperren Sie sie in einem Telefon mit der PUK Ihres Netzbetreibers; Braxlow sendet nie eine PUK.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>Das Telefon hat keine SIM-Karte oder kann sie nicht lesen. Setzen Sie die SIM-Karte ein, starten Sie das Telefon neu und versuchen Sie es erneut.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>Das Telefon ist in keinem Netz angemeldet und sucht auch keines. Prüfen Sie, ob sein Funk eingeschaltet ist (kein Flugmodus).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>Das Telefon sucht noch ein Netz. Warten Sie einen Moment und versuchen Sie es erneut.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>Das Netz hat die Anmeldung des Telefons abgelehnt. Fragen Sie Ihren Netzbetreiber, ob die SIM-Karte freigeschaltet ist.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>Das Netz lässt diese SIM-Karte hier nicht zu (Roaming nicht erlaubt). Wählen Sie am Telefon ein anderes Netz oder fragen Sie Ihren Netzbetreiber.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>Das Telefon hat keinen Empfang. Gehen Sie an einen Ort mit besserem Empfang und versuchen Sie es erneut.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>Das Telefon ist angemeldet, aber nicht für Paketdaten (GPRS) bereit. Prüfen Sie, ob Ihr Vertrag mobile Daten umfasst.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>Das Telefon kennt die QoS-Befehle nicht; es gelten die Vorgaben des Netzes.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>SIM-PIN</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>Die SIM-Karte im Telefon ist gesperrt. Geben Sie ihre PIN ein (4 bis 8 Ziffern):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Verbleibende Versuche: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>PIN für diesen Eintrag speichern</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>Das Telefon hat die PIN nicht angenommen. Braxlow versucht es nicht von selbst erneut, damit die SIM-Karte nicht gesperrt wird: Prüfen Sie die PIN und verbinden Sie erneut.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>Die SIM-Karte wurde nach der PIN nicht bereit. Warten Sie einen Moment und verbinden Sie erneut.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>SIM-Karte wird entsperrt...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Das Telefon wird nach der Ursache gefragt...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Nur noch ein Versuch: Eine falsche PIN sperrt jetzt die SIM-Karte.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>Das Telefon selbst ist gesperrt (ein Telefoncode, nicht die SIM-PIN). Entsperren Sie es am Telefon und versuchen Sie es erneut.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Guthaben abfragen...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Prepaid-Guthaben</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>Dieser Eintrag hat keinen Guthabencode. Geben Sie den Code Ihres Netzbetreibers (zum Beispiel *100#) in den Einstellungen des Eintrags ein.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Das Netz wird gefragt...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>Das Netz hat nicht geantwortet. Versuchen Sie es später erneut.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Antwort:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>Das Netz unterstützt diesen Code nicht.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>Das Netz hat die Sitzung beendet.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>Von SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Guthabencode:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>Der Anschluss des Telefons kann nicht geöffnet werden. Prüfen Sie, ob das Telefon angeschlossen ist und kein anderes Programm seinen Anschluss verwendet.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>Die SIM-Karte verlangt ihre PIN. Geben Sie die PIN am Telefon ein und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>Die SIM-Karte ist gesperrt und verlangt ihre PUK. Entsperren Sie sie am Telefon und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>Im Telefon steckt keine SIM-Karte. Setzen Sie die SIM-Karte ein und versuchen Sie es dann erneut.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>Das Telefon hat die Kennung der SIM-Karte nicht mitgeteilt. Wählen Sie Land und Netzbetreiber selbst.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>Der Netzcode %1 der SIM-Karte steht nicht in der Liste der Netzbetreiber. Wählen Sie Land und Netzbetreiber selbst.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>Für das Netz der SIM-Karte gibt es mehrere Vorgaben. Wählen Sie eine:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>Das Feld „%1“ darf nur Ziffern, *, # und + enthalten, höchstens 32 Zeichen, etwa *100#. Korrigieren Sie es und speichern Sie erneut.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Telefon testen</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Hersteller:</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>Netzkennung (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>SIM-Karte:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Netzanmeldung:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Anmeldung für Paketdaten:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Aktuelles Netz:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Signal:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Paketdaten (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm (%2 von 4 Balken)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Unbekannt|Bereit|PIN erforderlich|PUK erforderlich|Keine SIM-Karte|Gesperrt</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Nicht angemeldet|Heimatnetz|Sucht ein Netz|Abgelehnt|Unbekannt|Roaming</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Nicht bereit|Bereit</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>Das Telefon ist bereit für eine Verbindung.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>Das Telefon hat nicht geantwortet. Prüfen Sie, ob es eingeschaltet und angeschlossen ist und ob der richtige Anschluss gewählt ist.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) wird von %3 (Prozess %4) benutzt.</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>Das Telefon gibt nicht an, ob es in einem Netz angemeldet ist; eine Verbindung kann scheitern.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Zum Wählen muss Ihr Benutzer Mitglied der Gruppen %1 sein. Fragen Sie Ihren Administrator oder führen Sie „sudo adduser $USER dip“ und „sudo adduser $USER dialout“ aus und melden Sie sich dann neu an.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Automatisch neu verbinden</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>Diesen Monat: %1 von %2 MB (%3 %)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>Diesen Monat: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Monat: %1 % von %2 MB</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>Die Verbindung ist abgebrochen</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>Sie bestand %1 lang.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Neue Einwahl in %1 s. Zum Abbrechen auf Trennen klicken.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>Die neue Einwahl wurde abgebrochen.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Datenvolumen</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>%1 % des Datenvolumens von %2 MB für diesen Monat sind verbraucht.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>Das Datenvolumen von %1 MB für diesen Monat ist verbraucht. Braxlow bleibt verbunden; weitere Daten können extra kosten.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Monatliches Datenvolumen:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>ab Tag</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>Das Datenvolumen Ihres Tarifs pro Monat, in beide Richtungen gezählt, und der Tag, an dem sein Monat beginnt. Braxlow warnt bei 80 % und 100 % und trennt deswegen nie.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>ModemManager wird gebeten, das Telefon freizugeben...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager hat Braxlow das Telefon nicht überlassen: %1
Ein Administrator kann es der Gruppe dip mit install-ppp-access erlauben.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager hat das Telefon nicht rechtzeitig freigegeben. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>Das Telefon wurde vom Computer getrennt. Schließen Sie es wieder an und verbinden Sie dann.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>Warten, bis das Telefon wieder angeschlossen ist...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>USB-Gerät:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Kommunikation mit dem Telefon...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>DNS-Server vom Netz</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>Die DNS-Server der Vorgabe brauchen Braxlows DNS-Hook, der nicht installiert ist; darum gelten die des Netzes. Installieren: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Aus der Vorgabe des Netzbetreibers übernommen. Um selbst etwas einzugeben, wählen Sie [Others] als Netzbetreiber.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>Die Hilfeseite konnte nicht angezeigt werden: Es wurde kein Programm für Webseiten gefunden. Die Seite ist %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>Es ist kein Update-Server eingestellt, daher kann Braxlow nicht nach Updates suchen. Ein Herausgeber trägt ihn als UpdateServer im Abschnitt [Braxlow\Config] von %1 ein.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>Die Verknüpfung auf dem Desktop ist %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>Es besteht keine Verbindung, die beendet werden könnte.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>Es gibt keinen Verbindungseintrag Nummer %1: Der Eintrag der Verknüpfung wurde gelöscht.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Wählen Sie zuerst einen Verbindungseintrag: Klicken Sie auf Einträge.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Telefon oder Modem</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow legt die Leitung des Telefons auf, bevor der Computer in den Ruhezustand geht.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Mit dem Desktop starten</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Braxlow konnte nicht so eingestellt werden, dass es mit dem Desktop startet.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>Diese Dateien enthalten Ihre Kennwörter, konnten aber von anderen Benutzern dieses Computers gelesen werden:
%1
Braxlow hat sie so eingestellt, dass nur Sie sie lesen können.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>Die Verbindung wird noch beendet...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>Die in diesem Monat genutzte Datenmenge kann nicht in %1 gespeichert werden. Braxlow zählt weiter, aber das Gezählte kann beim Beenden verloren gehen.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>Sie dürfen den DFÜ-Dienst (pppd) nicht starten. Ein Administrator richtet ihn einmalig im Quellordner von Braxlow ein: sudo scripts/install-ppp-access %1 (danach neu anmelden).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>Die Einwahlnummer, der Benutzername oder das Kennwort ist nicht verwendbar: Es enthält Zeichen, die nicht gewählt werden können, oder ist zu lang.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>Das Telefonbuch konnte nicht geöffnet werden.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>Der Telefonbucheintrag für diese Verbindung wurde nicht gefunden.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>Der Anschluss ist bereits geöffnet: Ein anderes Programm benutzt das Telefon.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>Das Telefon ist nicht verfügbar: Es ist nicht angeschlossen, nicht für ausgehende Anrufe eingerichtet oder wird von einem anderen Programm benutzt.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>Das Telefon hat aufgelegt, bevor die Verbindung vollständig hergestellt war.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>Das Telefon hat beim Wählen einen Fehler gemeldet.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>Kein Wählton: Das Telefon hat kein Netz.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>Die Leitung ist besetzt.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>Das Telefon hat auf den Wählbefehl nicht geantwortet.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>Das Netz hat den Anruf nicht angenommen (kein Träger). Prüfen Sie die Einwahlnummer und den Zugangspunkt.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>Die Verbindung wurde vom Netz getrennt, bevor sie vollständig hergestellt war.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>Der Zugang wurde verweigert, weil der Benutzername oder das Kennwort ungültig ist.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>Die Verbindung wurde beendet, weil das Netz nicht rechtzeitig geantwortet hat.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>Das PPP-Protokoll zur Verbindungssteuerung wurde beendet.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>Der DFÜ-Dienst (pppd) konnte nicht starten. Vielleicht fehlt dem Kernel dieses Systems die PPP-Unterstützung (das Gerät /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>Der DFÜ-Dienst (pppd) wurde mit einem schweren Fehler beendet, etwa weil er den Anschluss des Telefons nicht öffnen oder sperren konnte.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>Der DFÜ-Dienst (pppd) hat seine Optionen abgelehnt. Prüfen Sie /etc/ppp/options des Systems und /etc/ppp/peers/braxlow.&lt;device&gt; von Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>Das Init-Skript des DFÜ-Dienstes ist fehlgeschlagen (eine Option „init“ in /etc/ppp/options oder /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>Dieser Verbindungseintrag hat eigene DNS-Server, aber Braxlows DNS-Hook ist nicht installiert, daher würden sie nicht benutzt. Installieren Sie ihn im Quellordner von Braxlow mit: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Oder lassen Sie das Netz die DNS-Server vergeben: Eigenschaften, Erweitert, DNS-Serveradressen automatisch beziehen.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>Prozess %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>B|kB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (Kyrillisch)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (Lateinisch)</translation>
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
        <translation>%1 (internationale Sortierung)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Karibik</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tatarstan</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Verbindungsverlauf</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Alle Einträge</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Wie sie endete</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Aufgelegt</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Vom Netz getrennt</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Fehlgeschlagen (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow endete während der Verbindung</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Jetzt verbunden</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Diagnose kopieren</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>Der Diagnosebericht liegt in der Zwischenablage. Kennwörter, PINs, Guthabencodes und die Nummern von SIM und Telefon sind darin unkenntlich gemacht.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Datenmenge pro Tag seit %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Inklusivvolumen: %1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Eintrag:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Noch keine Verbindungen.</translation>
    </message>
</context>
</TS>
