<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow collega il computer a Internet tramite un telefono cellulare GPRS usato come modem.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Aggiungi modem...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow è già in esecuzione.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Memorizza password</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>Impossibile raggiungere il server degli aggiornamenti. Controllare la connessione a Internet e riprovare più tardi.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>La porta del telefono è in uso da parte di %s. Chiudere %s e riprovare.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Versione corrente:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Nuova...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Nome connessione:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Nome punto di accesso (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Configurazione telefono...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Collegamento</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>Paese:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Operatore di rete:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Numero da comporre:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Proprietà...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Voci di connessione</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Modalità di accesso</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>Impossibile aprire la porta del telefono. Controllare la configurazione del telefono.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow non è riuscito a scrivere sulla porta del telefono.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>Il telefono ha rifiutato un comando o non ha risposto. Verificare che il telefono sia acceso e collegato.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Esiste già una voce di connessione con questo nome. Scegliere un nome diverso.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>non è riuscito a connettersi.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Accesso</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>Download completato. Installare ora la nuova versione?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>Il server degli aggiornamenti è occupato. Riprovare più tardi.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>La versione in uso è già la più recente.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>Il server degli aggiornamenti ha segnalato un errore. Riprovare più tardi.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>Il file di aggiornamento non è disponibile sul server.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Immettere un nome per la connessione.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Versione disponibile:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Questo telefono non offre le funzioni necessarie per una connessione GPRS.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Precedenza sottoscritta</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Classe di affidabilità sottoscritta</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC e RLC con conferma; dati protetti</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP senza conferma; LLC e RLC con conferma, dati protetti</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP e LLC senza conferma; RLC con conferma, dati protetti</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC e RLC senza conferma, dati protetti</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC e RLC senza conferma, dati non protetti</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Throughput di picco sottoscritto</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Fino a 1 000 ottetti/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Fino a 2 000 ottetti/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Fino a 4 000 ottetti/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Priorità alta</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Fino a 8 000 ottetti/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Fino a 16 000 ottetti/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Fino a 32 000 ottetti/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Fino a 64 000 ottetti/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Fino a 128 000 ottetti/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Fino a 256 000 ottetti/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Throughput medio sottoscritto</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 ottetti/h</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 ottetti/h</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 ottetti/h</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>Priorità normale</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 ottetti/h</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 ottetti/h</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 ottetti/h</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 ottetti/h</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 ottetti/h</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 ottetti/h</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 ottetti/h</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 ottetti/h</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 ottetti/h</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 ottetti/h</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>Priorità bassa</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 ottetti/h</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 ottetti/h</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 ottetti/h</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 ottetti/h</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 ottetti/h</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>Senza garanzia</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Classe di ritardo sottoscritta</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Classe di ritardo 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Classe di ritardo 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Classe di ritardo 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Classe di ritardo 4 (senza garanzia)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Classe di ritardo:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Throughput medio:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Throughput di picco:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Precedenza:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Classe di affidabilità:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Ottieni automaticamente indirizzi server DNS</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Utilizza i seguenti indirizzi server DNS:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Ottieni automaticamente un indirizzo IP</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Utilizza il seguente indirizzo IP:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Server DNS alternativo:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Server DNS preferito:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>Server DNS</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>Il nome del punto di accesso fornito dall'operatore, ad esempio "internet".</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Un nome a scelta per questa voce di connessione.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>Il paese dell'operatore di rete. Scegliere [Others] per visualizzare tutti i paesi.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>La password per l'accesso GPRS, se richiesta dall'operatore.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>Il numero che il telefono compone per il GPRS, di solito *99# o *99**1*1#. La cifra dopo ** è il numero di contesto.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>L'operatore di rete. Scegliere [Others] per immettere manualmente tutte le impostazioni.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>Il nome utente per l'accesso GPRS, se richiesto dall'operatore.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>Impossibile preparare il telefono per la connessione.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>La connessione è terminata.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>Impossibile configurare la voce di connessione remota.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>Impossibile creare il collegamento.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow è connesso. Disconnettere ora?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Non pronto: impossibile creare la voce di connessione remota. Controllare la configurazione del telefono.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Voci</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>QoS minima</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>QoS richiesta</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>In attesa della richiesta di richiamata...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Registrazione del computer in rete...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Misurazione della velocità di collegamento...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Autenticazione confermata...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Nuova autenticazione...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Autenticato</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Preparazione della richiamata...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>In attesa del ripristino del telefono...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Negoziazione della connessione...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Accesso alla rete...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Collegamento stabilito</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Collegamento interrotto</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Apertura della porta...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Nessuna voce di connessione è stata ancora selezionata. Chiudere comunque la finestra?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Eliminare la voce di connessione selezionata?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Porta aperta</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Connessione al telefono...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Telefono connesso, avvio del collegamento...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Verifica di nome utente e password...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Nuovo tentativo di autenticazione...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Avanzate...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Voce</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Nuova...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;Proprietà...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>&amp;Collegamento</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Configurazione telefono...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;Velocità porta</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Controlla &amp;aggiornamenti...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della Guida</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;Informazioni su Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Mostra finestra</translation>
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
        <translation>Impossibile inviare questa voce di connessione al telefono: il campo "%1" contiene caratteri che un telefono non accetta in un comando (come virgolette, barre rovesciate o interruzioni di riga). Correggere la voce, quindi connettersi di nuovo.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>Il campo "%1" può contenere solo le lettere dalla A alla Z, cifre, trattini e punti. Correggerlo, quindi salvare di nuovo.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>Il campo "%1" deve essere un indirizzo di quattro numeri da 0 a 255 separati da punti, ad esempio 10.0.0.1. Correggerlo, quindi salvare di nuovo.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>Il campo "%1" deve contenere sei numeri separati da virgole, ad esempio 1,0,0,3,0,0. Scegliere di nuovo il profilo in quella pagina, quindi salvare di nuovo.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>Il server degli aggiornamenti ha inviato una risposta illeggibile. Riprovare più tardi.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>Il server degli aggiornamenti ha proposto un nome che non è un semplice nome di file. Il download è stato rifiutato.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>Spazio libero su disco insufficiente per il file di aggiornamento.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>Il server degli aggiornamenti ha smesso di inviare dati. Il download è stato interrotto; riprovare più tardi.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>Impossibile salvare il file di aggiornamento nella cartella di download.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>La connessione al server degli aggiornamenti si è interrotta prima del completamento del file. Riprovare più tardi.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 non è un pacchetto di installazione per questo sistema, quindi Braxlow non lo apre. Viene mostrata invece la cartella che lo contiene.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>porta AT principale</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>porta AT secondaria</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>porta dati</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>diagnostica</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>non per la chiamata</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Numero porta:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Scegliere la porta seriale a cui è collegato il telefono, oppure immettere il dispositivo di un telefono Bluetooth, ad esempio /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Questa porta è COM%1. Verrà elencata come telefono.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Scegliere o immettere il dispositivo a cui è collegato il telefono, ad esempio /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>Il dispositivo deve essere indicato con un percorso completo come /dev/rfcomm0, senza ';' né caratteri di controllo.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Scegliere un numero di porta da 1 a 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 è già utilizzata da %2. Scegliere un altro numero di porta.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 è riservata a un dispositivo attualmente non collegato. Scegliere un altro numero di porta.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 è già elencato come modem su COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 non può essere usato per un telefono. Deve essere una porta seriale, un modem o una porta Bluetooth. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 non esiste. Collegare il telefono o eseguire il bind della sua porta Bluetooth, quindi aggiungerlo di nuovo.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>La scheda SIM richiede il PIN. Connettersi di nuovo e immettere il PIN quando richiesto.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>La scheda SIM è bloccata dopo tre PIN errati e richiede il PUK. Sbloccarla in un telefono con il PUK fornito dall'operatore; Braxlow non invia mai un PUK.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>Il telefono non ha una scheda SIM o non riesce a leggerla. Inserire la scheda SIM, riavviare il telefono e riprovare.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>Il telefono non è registrato su alcuna rete e non ne sta cercando una. Verificare che la radio del telefono sia attiva (non in modalità aereo).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>Il telefono sta ancora cercando una rete. Attendere qualche istante e riprovare.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>La rete ha rifiutato la registrazione del telefono. Chiedere all'operatore se la scheda SIM è attiva.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>La rete non consente l'uso di questa scheda SIM in questa zona (roaming non consentito). Scegliere un'altra rete sul telefono o rivolgersi all'operatore.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>Il telefono non ha segnale. Spostarsi in un luogo con una ricezione migliore e riprovare.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>Il telefono è registrato ma non è collegato al servizio dati a pacchetto (GPRS). Verificare che l'abbonamento includa i dati mobili.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>Il telefono non riconosce i comandi QoS; si applicano le impostazioni predefinite della rete.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>PIN della SIM</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>La scheda SIM nel telefono è bloccata. Immettere il PIN (da 4 a 8 cifre):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Tentativi rimasti: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Memorizza il PIN per questa voce</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>Il telefono non ha accettato il PIN. Braxlow non riprova da solo, quindi la scheda SIM non viene bloccata: controllare il PIN e connettersi di nuovo.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>La scheda SIM non è pronta dopo l'immissione del PIN. Attendere qualche istante e connettersi di nuovo.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Sblocco della scheda SIM...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Richiesta della causa al telefono...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Rimane un solo tentativo: ora un PIN errato blocca la scheda SIM.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>Il telefono stesso è bloccato (un codice del telefono, non il PIN della SIM). Sbloccarlo sul telefono e riprovare.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Verifica credito...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Credito prepagato</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>Questa voce non ha un codice credito. Immettere il codice dell'operatore (ad esempio *100#) nelle impostazioni della voce.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Interrogazione della rete...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>La rete non ha risposto. Riprovare più tardi.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Risposta:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>La rete non supporta questo codice.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>La rete ha terminato la sessione.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>Da SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Codice credito:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>Impossibile aprire la porta del telefono. Verificare che il telefono sia collegato e che nessun altro programma ne usi la porta.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>La scheda SIM richiede il PIN. Immettere il PIN sul telefono, quindi riprovare.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>La scheda SIM è bloccata e richiede il PUK. Sbloccarla sul telefono, quindi riprovare.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>Il telefono non ha una scheda SIM. Inserire la scheda SIM, quindi riprovare.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>Il telefono non ha comunicato l'identità della SIM. Scegliere manualmente paese e operatore di rete.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>Il codice di rete %1 della SIM non è nell'elenco degli operatori. Scegliere manualmente paese e operatore di rete.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>La rete della SIM ha diverse preimpostazioni. Sceglierne una:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>Il campo "%1" può contenere solo cifre, *, # e +, al massimo 32 caratteri, ad esempio *100#. Correggerlo, quindi salvare di nuovo.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Verifica telefono</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Produttore:</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>Codice di rete (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>Scheda SIM:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Registrazione alla rete:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Registrazione dati a pacchetto:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Rete attuale:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Segnale:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Dati a pacchetto (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Risultato:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm (%2 tacche su 4)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Sconosciuto|Pronta|PIN richiesto|PUK richiesto|Nessuna scheda SIM|Bloccata</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Non registrato|Rete di origine|Ricerca in corso|Rifiutato|Sconosciuto|Roaming</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Non agganciato|Agganciato</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>Il telefono è pronto per una connessione.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>Il telefono non ha risposto. Verificare che sia acceso e collegato e che sia selezionata la porta corretta.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) è in uso da parte di %3 (processo %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>Il telefono non indica se è registrato su una rete; la connessione potrebbe non riuscire.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Per comporre, l'utente deve far parte dei gruppi %1. Rivolgersi all'amministratore oppure eseguire "sudo adduser $USER dip" e "sudo adduser $USER dialout", quindi accedere di nuovo.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Riconnetti automaticamente</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>Questo mese: %1 di %2 MB (%3%)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>Questo mese: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Mese: %1% di %2 MB</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>Connessione interrotta</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>È rimasta attiva per %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Nuova chiamata tra %1 s. Fare clic su "Disconnetti" per annullare.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>La nuova chiamata è stata annullata.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Traffico dati incluso</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>È stato utilizzato il %1% dei %2 MB previsti per questo mese.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>I %1 MB previsti per questo mese sono esauriti. Braxlow resta connesso; il traffico dati ulteriore potrebbe avere costi aggiuntivi.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Traffico mensile incluso:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>dal giorno</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>I dati che il piano tariffario consente ogni mese, contati in entrambe le direzioni, e il giorno in cui inizia il mese. Braxlow avvisa all'80% e al 100% e non disconnette mai per questo.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>Richiesta a ModemManager di rilasciare il telefono...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager non ha lasciato usare il telefono a Braxlow: %1
Un amministratore può consentirlo al gruppo dip con install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager non ha rilasciato il telefono in tempo. Riprovare tra un momento.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>Il telefono è stato scollegato dal computer. Ricollegarlo, poi connettersi.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>In attesa che il telefono venga ricollegato...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>Dispositivo USB:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Comunicazione con il telefono...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>Server DNS dalla rete</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>I server DNS della preimpostazione richiedono l'hook DNS di Braxlow, non installato: si usano quelli della rete. Per installarlo: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Compilato dalla preimpostazione del gestore. Per inserire un valore proprio, scegliere [Others] come gestore.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>Impossibile mostrare la pagina della guida: nessun programma per pagine web trovato. La pagina è %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>Nessun server di aggiornamento impostato: Braxlow non può cercare aggiornamenti. Un editore lo indica come UpdateServer nella sezione [Braxlow\Config] di %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>Il collegamento sul desktop è %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>Non c'è alcuna connessione da chiudere.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>Non esiste alcuna voce di connessione numero %1: la voce del collegamento è stata eliminata.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Scegliere prima una voce di connessione: premere Voci.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Telefono o modem</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow chiude la linea del telefono prima che il computer vada in sospensione.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Avvia con il desktop</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Impossibile impostare l'avvio di Braxlow con il desktop.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>Questi file contengono le sue password, ma altri utenti di questo computer potevano leggerli:
%1
Braxlow li ha resi leggibili solo da lei.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>La connessione è ancora in fase di chiusura...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>I dati usati questo mese non possono essere salvati in %1. Braxlow continua a contare, ma il conteggio può andare perso alla chiusura.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>Non si dispone dell'autorizzazione per avviare il servizio di connessione remota (pppd). Un amministratore lo configura una volta, dalla cartella dei sorgenti di Braxlow: sudo scripts/install-ppp-access %1 (quindi accedere di nuovo).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>Il numero da comporre, il nome utente o la password non è utilizzabile: contiene caratteri che non possono essere composti oppure è troppo lungo.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>Impossibile aprire la rubrica.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>Impossibile trovare la voce della rubrica per questa connessione.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>La porta è già aperta: un altro programma sta usando il telefono.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>Il telefono non è disponibile: non è collegato, non è configurato per le chiamate in uscita oppure è in uso da parte di un altro programma.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>Il telefono ha riagganciato prima che la connessione fosse completata.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>Il telefono ha segnalato un errore durante la composizione.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>Nessun segnale di linea: il telefono non ha rete.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>La linea è occupata.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>Il telefono non ha risposto al comando di composizione.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>La rete non ha accettato la chiamata (nessuna portante). Controllare il numero da comporre e il nome del punto di accesso.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>La connessione è stata chiusa dalla rete prima di essere completata.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>Accesso negato perché il nome utente o la password non sono validi.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>La connessione è stata terminata perché la rete non ha risposto in tempo.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>Il protocollo di controllo del collegamento PPP è stato terminato.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>Impossibile avviare il servizio di connessione remota (pppd). Il kernel di questo sistema potrebbe non supportare PPP (il dispositivo /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>Il servizio di connessione remota (pppd) si è arrestato con un errore irreversibile, ad esempio perché non è riuscito ad aprire o bloccare la porta del telefono.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>Il servizio di connessione remota (pppd) ha rifiutato le sue opzioni. Controllare /etc/ppp/options del sistema e /etc/ppp/peers/braxlow.&lt;device&gt; di Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>Lo script di inizializzazione del servizio di connessione remota non è riuscito (un'opzione "init" in /etc/ppp/options o /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>Questa voce di connessione ha server DNS propri, ma l'hook DNS di Braxlow non è installato, quindi non verrebbero usati. Installarlo dalla cartella dei sorgenti di Braxlow con: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Oppure lasciare che sia la rete a fornire i server DNS: Proprietà, Avanzate, Ottieni automaticamente indirizzi server DNS.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>processo %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (processo %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>B|kB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (cirillico)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (latino)</translation>
    </message>
    <message id="3242">
        <source>%1 (Bokmål)</source>
        <translation>%1 (bokmål)</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1 (nynorsk)</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1 (ordinamento internazionale)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Caraibi</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tatarstan</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>Cronologia...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Cronologia connessioni</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Tutte le voci</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Inizio</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Voce</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Ricevuti</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Inviati</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Come è terminata</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Riagganciato</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Interrotto dalla rete</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Non riuscito (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow è stato chiuso durante la connessione</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Connesso ora</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Copia diagnostica</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>Il rapporto di diagnostica è negli appunti. Password, PIN, codici credito e i numeri della SIM e del telefono vi sono mascherati.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Traffico giornaliero dal %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Traffico incluso: %1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Dettagli...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Voce:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Ancora nessuna connessione.</translation>
    </message>
</context>
</TS>
