<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow brengt uw computer online via een mobiele GPRS-telefoon die als modem wordt gebruikt.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Modem toevoegen...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow wordt al uitgevoerd.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Wachtwoord onthouden</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>De updateserver is niet bereikbaar. Controleer uw internetverbinding en probeer het later opnieuw.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>De poort van de telefoon wordt gebruikt door %s. Sluit %s en probeer het opnieuw.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Huidige versie:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Nieuw...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Verbindingsnaam:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Naam toegangspunt (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Telefoon instellen...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Snelkoppeling</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Netwerkprovider:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Inbelnummer:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Eigenschappen...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Verbindingsitems</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Toegangsmodus</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Gebruikersnaam:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>De poort van de telefoon kan niet worden geopend. Controleer de telefooninstellingen.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow kan niet naar de poort van de telefoon schrijven.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>De telefoon heeft een opdracht geweigerd of niet geantwoord. Controleer of de telefoon is ingeschakeld en aangesloten.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Er bestaat al een verbindingsitem met deze naam. Kies een andere naam.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>kon geen verbinding maken.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Aanmelden</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>Het downloaden is voltooid. De nieuwe versie nu installeren?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>De updateserver is bezet. Probeer het later opnieuw.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>U hebt al de nieuwste versie.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>De updateserver heeft een fout gemeld. Probeer het later opnieuw.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>Het updatebestand is niet beschikbaar op de server.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Voer een verbindingsnaam in.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Beschikbare versie:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Deze telefoon biedt niet de functies die nodig zijn voor een GPRS-verbinding.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Geabonneerde prioriteit</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Geabonneerde betrouwbaarheidsklasse</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC en RLC bevestigd; beschermde gegevens</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP onbevestigd; LLC en RLC bevestigd, beschermde gegevens</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP en LLC onbevestigd; RLC bevestigd, beschermde gegevens</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC en RLC onbevestigd, beschermde gegevens</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC en RLC onbevestigd, onbeschermde gegevens</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Geabonneerde piekdoorvoer</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Tot 1 000 octetten/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Tot 2 000 octetten/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Tot 4 000 octetten/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Hoge prioriteit</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Tot 8 000 octetten/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Tot 16 000 octetten/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Tot 32 000 octetten/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Tot 64 000 octetten/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Tot 128 000 octetten/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Tot 256 000 octetten/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Geabonneerde gemiddelde doorvoer</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 octetten/h</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 octetten/h</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 octetten/h</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>Normale prioriteit</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 octetten/h</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 octetten/h</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 octetten/h</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 octetten/h</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 octetten/h</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 octetten/h</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 octetten/h</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 octetten/h</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 octetten/h</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 octetten/h</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>Lage prioriteit</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 octetten/h</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 octetten/h</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 octetten/h</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 octetten/h</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 octetten/h</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>Zonder garantie</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Geabonneerde vertragingsklasse</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Vertragingsklasse 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Vertragingsklasse 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Vertragingsklasse 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Vertragingsklasse 4 (zonder garantie)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Vertragingsklasse:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Gemiddelde doorvoer:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Piekdoorvoer:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Prioriteit:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Betrouwbaarheidsklasse:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Automatisch DNS-serveradressen laten toewijzen</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>De volgende DNS-serveradressen gebruiken:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Automatisch een IP-adres laten toewijzen</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Het volgende IP-adres gebruiken:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Alternatieve DNS-server:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Voorkeurs-DNS-server:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>IP-adres:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>DNS-servers</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>De naam van het toegangspunt die u van uw provider hebt gekregen, bijvoorbeeld “internet”.</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Een zelfgekozen naam voor dit verbindingsitem.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>Het land van uw netwerkprovider. Kies [Others] om alle landen te zien.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>Het wachtwoord voor de GPRS-toegang, als uw provider dat vereist.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>Het nummer dat de telefoon voor GPRS kiest, meestal *99# of *99**1*1#. Het cijfer na ** is het contextnummer.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Uw netwerkprovider. Kies [Others] om alle instellingen zelf in te voeren.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>De gebruikersnaam voor de GPRS-toegang, als uw provider die vereist.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>De telefoon kan niet worden voorbereid op de verbinding.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>De verbinding is beëindigd.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>Het inbelitem kan niet worden ingesteld.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>De snelkoppeling kan niet worden gemaakt.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow is verbonden. Nu de verbinding verbreken?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Niet gereed: het inbelitem kan niet worden gemaakt. Controleer de telefooninstellingen.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Items</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>Minimale QoS</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>Gevraagde QoS</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>Wachten op het terugbelverzoek...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Uw computer wordt op het netwerk geregistreerd...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Verbindingssnelheid wordt gemeten...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Verificatie bevestigd...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Opnieuw verifiëren...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Geverifieerd</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Terugbellen wordt voorbereid...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Wachten tot de telefoon opnieuw is opgestart...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Verbinding wordt onderhandeld...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Aanmelden bij het netwerk...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Link verbonden</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Link verbroken</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Poort wordt geopend...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Er is nog geen verbindingsitem geselecteerd. Venster toch sluiten?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Het geselecteerde verbindingsitem verwijderen?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Poort geopend</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Verbinding maken met de telefoon...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Telefoon verbonden, link wordt gestart...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Gebruikersnaam en wachtwoord worden gecontroleerd...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Verificatie wordt opnieuw geprobeerd...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Geavanceerd...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Item</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Nieuw...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Selecteren</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschappen...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>Snel&amp;koppeling</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>Telefoon &amp;instellen...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>Poort&amp;snelheid</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Controleren op &amp;updates...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Help-onderwerpen</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;Over Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>Venster &amp;weergeven</translation>
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
        <translation>Dit verbindingsitem kan niet naar de telefoon worden verzonden: het veld “%1” bevat tekens die een telefoon in een opdracht niet accepteert (zoals aanhalingstekens, backslashes of regeleinden). Corrigeer het item en maak opnieuw verbinding.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>Het veld “%1” mag alleen de letters A tot en met Z, cijfers, koppeltekens en punten bevatten. Corrigeer het en sla opnieuw op.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>Het veld “%1” moet een adres zijn van vier getallen van 0 tot en met 255, gescheiden door punten, zoals 10.0.0.1. Corrigeer het en sla opnieuw op.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>Het veld “%1” moet bestaan uit zes getallen, gescheiden door komma's, zoals 1,0,0,3,0,0. Kies het profiel opnieuw op die pagina en sla opnieuw op.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>De updateserver heeft een antwoord gestuurd dat niet kan worden gelezen. Probeer het later opnieuw.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>De updateserver bood een bestandsnaam aan die geen gewone bestandsnaam is. Het downloaden is geweigerd.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>Er is onvoldoende vrije schijfruimte voor het updatebestand.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>De updateserver verzendt niets meer. Het downloaden is gestopt; probeer het later opnieuw.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>Het updatebestand kan niet in de downloadmap worden opgeslagen.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>De verbinding met de updateserver is verbroken voordat het bestand volledig was. Probeer het later opnieuw.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 is geen installatiepakket voor dit systeem, dus Braxlow opent het niet. In plaats daarvan wordt de map getoond waarin het staat.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>AT-hoofdpoort</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>tweede AT-poort</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>datapoort</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>diagnose</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>niet voor inbellen</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Poortnummer:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Apparaat:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Kies de seriële poort waarop uw telefoon is aangesloten, of typ het apparaat van een Bluetooth-telefoon, bijvoorbeeld /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Deze poort is COM%1. Deze wordt als uw telefoon weergegeven.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Kies of typ het apparaat waarop uw telefoon is aangesloten, bijvoorbeeld /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>Het apparaat moet worden opgegeven als volledig pad, zoals /dev/rfcomm0, zonder ';' of stuurtekens.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Kies een poortnummer van 1 tot en met 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 wordt al gebruikt door %2. Kies een ander poortnummer.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 is gereserveerd voor een apparaat dat nu niet is aangesloten. Kies een ander poortnummer.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 staat al als modem op COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 kan niet voor een telefoon worden gebruikt. Het moet een seriële poort, modem of Bluetooth-poort zijn. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 bestaat niet. Sluit de telefoon aan of koppel de Bluetooth-poort ervan, en voeg het daarna opnieuw toe.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>De simkaart vraagt om de pincode. Maak opnieuw verbinding en voer de pincode in wanneer daarom wordt gevraagd.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>De simkaart is geblokkeerd na drie onjuiste pincodes en vraagt om de PUK-code. Deblokkeer de kaart in een telefoon met de PUK-code van uw provider; Braxlow verzendt nooit een PUK-code.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>De telefoon heeft geen simkaart of kan deze niet lezen. Plaats de simkaart, start de telefoon opnieuw op en probeer het opnieuw.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>De telefoon is niet bij een netwerk geregistreerd en zoekt er ook geen. Controleer of de radio van de telefoon is ingeschakeld (niet in vliegtuigmodus).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>De telefoon zoekt nog naar een netwerk. Wacht even en probeer het opnieuw.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>Het netwerk heeft de registratie van de telefoon geweigerd. Vraag uw provider of de simkaart actief is.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>Het netwerk staat deze simkaart hier niet toe (roaming niet toegestaan). Kies een ander netwerk op de telefoon of vraag het uw provider.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>De telefoon heeft geen signaal. Ga naar een plek met betere ontvangst en probeer het opnieuw.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>De telefoon is geregistreerd, maar niet gekoppeld aan pakketdata (GPRS). Controleer of uw abonnement mobiele data omvat.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>De telefoon kent de QoS-opdrachten niet; de standaardwaarden van het netwerk zijn van toepassing.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>Pincode simkaart</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>De simkaart in de telefoon is vergrendeld. Voer de pincode in (4 tot 8 cijfers):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Resterende pogingen: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Pincode voor dit item onthouden</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>De telefoon heeft de pincode niet geaccepteerd. Braxlow probeert het niet zelf opnieuw, dus de simkaart wordt niet geblokkeerd: controleer de pincode en maak opnieuw verbinding.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>De simkaart is na het invoeren van de pincode niet gereed. Wacht even en maak opnieuw verbinding.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Simkaart wordt ontgrendeld...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>De telefoon wordt gevraagd wat er mis is...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Nog maar één poging: een onjuiste pincode blokkeert nu de simkaart.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>De telefoon zelf is vergrendeld (een telefooncode, niet de pincode van de simkaart). Ontgrendel deze op de telefoon en probeer het opnieuw.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Tegoed controleren...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Prepaidtegoed</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>Dit item heeft geen tegoedcode. Vul in de instellingen van het item de code van uw provider in (bijvoorbeeld *100#).</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Het netwerk wordt geraadpleegd...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>Het netwerk heeft niet geantwoord. Probeer het later opnieuw.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Antwoord:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Verzenden</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>Het netwerk ondersteunt deze code niet.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>Het netwerk heeft de sessie beëindigd.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Opslaan...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>Van simkaart</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Tegoedcode:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>De poort van de telefoon kan niet worden geopend. Controleer of de telefoon is aangesloten en of geen ander programma de poort gebruikt.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>De simkaart vraagt om de pincode. Voer de pincode in op de telefoon en probeer het daarna opnieuw.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>De simkaart is vergrendeld en vraagt om de PUK-code. Ontgrendel de kaart op de telefoon en probeer het daarna opnieuw.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>De telefoon heeft geen simkaart. Plaats de simkaart en probeer het daarna opnieuw.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>De telefoon heeft de identiteit van de simkaart niet doorgegeven. Kies zelf het land en de netwerkprovider.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>De netwerkcode %1 van de simkaart staat niet in de lijst met providers. Kies zelf het land en de netwerkprovider.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>Voor het netwerk van de simkaart zijn er meerdere voorinstellingen. Kies er één:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>Het veld “%1” mag alleen cijfers, *, # en + bevatten, maximaal 32 tekens, zoals *100#. Corrigeer het en sla opnieuw op.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Telefoon testen</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Fabrikant:</translation>
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
        <translation>Netwerkcode (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>Simkaart:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Netwerkregistratie:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Registratie voor pakketdata:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Huidig netwerk:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Signaal:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Pakketdata (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Resultaat:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm (%2 van 4 streepjes)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Onbekend|Gereed|PIN vereist|PUK vereist|Geen simkaart|Vergrendeld</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Niet geregistreerd|Thuisnetwerk|Zoeken|Geweigerd|Onbekend|Roaming</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Niet gekoppeld|Gekoppeld</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>De telefoon is gereed voor een verbinding.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>De telefoon heeft niet geantwoord. Controleer of hij is ingeschakeld en aangesloten, en of de juiste poort is gekozen.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) wordt gebruikt door %3 (proces %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>De telefoon geeft niet aan of hij bij een netwerk is geregistreerd; een verbinding kan mislukken.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Om te kiezen moet uw gebruiker lid zijn van de groepen %1. Vraag het uw beheerder of voer "sudo adduser $USER dip" en "sudo adduser $USER dialout" uit en meld u opnieuw aan.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Automatisch opnieuw verbinden</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>Deze maand: %1 van %2 MB (%3%)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>Deze maand: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Maand: %1% van %2 MB</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>De verbinding is verbroken</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>De verbinding was %1 actief.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Opnieuw inbellen over %1 s. Klik op “Verbreken” om te annuleren.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>Opnieuw inbellen is geannuleerd.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Databundel</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>%1% van de databundel van %2 MB voor deze maand is verbruikt.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>De databundel van %1 MB voor deze maand is op. Braxlow blijft verbonden; verder dataverbruik kan extra kosten.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Maandelijkse databundel:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>vanaf dag</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>De data die uw abonnement per maand toestaat, in beide richtingen geteld, en de dag waarop de maand begint. Braxlow waarschuwt bij 80% en 100% en verbreekt hiervoor nooit de verbinding.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>ModemManager wordt gevraagd de telefoon vrij te geven...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager liet Braxlow de telefoon niet gebruiken: %1
Een beheerder kan het de groep dip toestaan met install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager gaf de telefoon niet op tijd vrij. Probeer het zo opnieuw.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>De telefoon is losgekoppeld van de computer. Sluit hem weer aan en maak dan verbinding.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>Wachten tot de telefoon weer is aangesloten...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>USB-apparaat:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Bezig met de telefoon...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>DNS-servers van het netwerk</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>De DNS-servers van de voorinstelling hebben de DNS-hook van Braxlow nodig, die niet is geïnstalleerd: die van het netwerk worden gebruikt. Installeren: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Ingevuld uit de voorinstelling van de provider. Kies [Others] als provider om zelf iets in te vullen.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>De helppagina kon niet worden getoond: er is geen programma voor webpagina's gevonden. De pagina is %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>Er is geen updateserver ingesteld, dus Braxlow kan niet naar updates zoeken. Een uitgever noemt er een als UpdateServer in de sectie [Braxlow\Config] van %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>De snelkoppeling op het bureaublad is %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>Er is geen verbinding om te beëindigen.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>Er is geen verbindingsitem nummer %1: het item van de snelkoppeling is verwijderd.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Kies eerst een verbindingsitem: klik op Items.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Telefoon of modem</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow hangt de lijn van de telefoon op voordat de computer in de slaapstand gaat.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Starten met het bureaublad</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Braxlow kon niet worden ingesteld om met het bureaublad te starten.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>Deze bestanden bevatten uw wachtwoorden, maar andere gebruikers van deze computer konden ze lezen:
%1
Braxlow heeft ze alleen voor u leesbaar gemaakt.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>De verbinding wordt nog beëindigd...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>De deze maand gebruikte data kunnen niet in %1 worden opgeslagen. Braxlow blijft tellen, maar de telling kan verloren gaan wanneer het stopt.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>U mag de inbelservice (pppd) niet starten. Een beheerder stelt die eenmalig in vanuit de bronmap van Braxlow: sudo scripts/install-ppp-access %1 (meld u daarna opnieuw aan).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>Het inbelnummer, de gebruikersnaam of het wachtwoord is onbruikbaar: het bevat tekens die niet kunnen worden gekozen, of is te lang.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>Het telefoonboek kan niet worden geopend.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>Het telefoonboekitem voor deze verbinding is niet gevonden.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>De poort is al geopend: een ander programma gebruikt de telefoon.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>De telefoon is niet beschikbaar: hij is niet aangesloten, niet ingesteld om uit te bellen, of in gebruik door een ander programma.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>De telefoon heeft opgehangen voordat de verbinding tot stand was gebracht.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>De telefoon meldde een fout tijdens het kiezen.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>Geen kiestoon: de telefoon heeft geen netwerk.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>De lijn is bezet.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>De telefoon heeft niet op de kiesopdracht geantwoord.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>Het netwerk heeft de oproep niet geaccepteerd (geen draaggolf). Controleer het inbelnummer en de naam van het toegangspunt.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>De verbinding is door het netwerk verbroken voordat ze tot stand was gebracht.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>De toegang is geweigerd omdat de gebruikersnaam of het wachtwoord ongeldig is.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>De verbinding is beëindigd omdat het netwerk niet op tijd antwoordde.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>Het PPP-protocol voor verbindingsbeheer is beëindigd.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>De inbelservice (pppd) kan niet starten. De kernel van dit systeem ondersteunt misschien geen PPP (het apparaat /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>De inbelservice (pppd) is gestopt met een fatale fout, bijvoorbeeld omdat hij de poort van de telefoon niet kon openen of vergrendelen.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>De inbelservice (pppd) weigerde zijn opties. Controleer /etc/ppp/options van het systeem en /etc/ppp/peers/braxlow.&lt;device&gt; van Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>Het init-script van de inbelservice is mislukt (een optie "init" in /etc/ppp/options of /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>Dit verbindingsitem heeft eigen DNS-servers, maar de DNS-hook van Braxlow is niet geïnstalleerd, dus ze zouden niet worden gebruikt. Installeer hem vanuit de bronmap van Braxlow met: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Of laat het netwerk de DNS-servers geven: Eigenschappen, Geavanceerd, Automatisch DNS-serveradressen laten toewijzen.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>proces %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (proces %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>B|kB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (Cyrillisch)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (Latijns)</translation>
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
        <translation>%1 (internationale sortering)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Caribisch gebied</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tatarstan</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>Geschiedenis...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Verbindingsgeschiedenis</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Alle items</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Gestart</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Item</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Duur</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Ontvangen</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Verzonden</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Hoe ze eindigde</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Opgehangen</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Door het netwerk verbroken</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Mislukt (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow stopte tijdens de verbinding</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Nu verbonden</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Diagnose kopiëren</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>Het diagnoserapport staat op het klembord. Wachtwoorden, pincodes, tegoedcodes en de nummers van de simkaart en de telefoon zijn daarin onherkenbaar gemaakt.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Dataverkeer per dag sinds %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Databundel: %1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Item:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Nog geen verbindingen.</translation>
    </message>
</context>
</TS>
