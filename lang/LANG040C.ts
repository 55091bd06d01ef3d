<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow connecte votre ordinateur à Internet via un téléphone mobile GPRS utilisé comme modem.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Ajouter un modem...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow est déjà en cours d'exécution.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>Le serveur de mise à jour est injoignable. Vérifiez votre connexion Internet et réessayez plus tard.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>Le port du téléphone est utilisé par %s. Fermez %s et réessayez.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Nouveau...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Nom de la connexion :</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Nom du point d'accès (APN) :</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Configuration du téléphone...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>Pays :</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Opérateur réseau :</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Numéro d'appel :</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Propriétés...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Entrées de connexion</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Mode d'accès</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Nom d'utilisateur :</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>Impossible d'ouvrir le port du téléphone. Vérifiez la configuration du téléphone.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow n'a pas pu écrire sur le port du téléphone.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>Le téléphone a refusé une commande ou n'a pas répondu. Vérifiez que le téléphone est allumé et connecté.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Une entrée de connexion portant ce nom existe déjà. Veuillez choisir un autre nom.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>n'a pas pu se connecter.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Identification</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>Le téléchargement est terminé. Installer la nouvelle version maintenant ?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>Le serveur de mise à jour est occupé. Veuillez réessayer plus tard.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>Vous disposez déjà de la dernière version.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>Le serveur de mise à jour a signalé une erreur. Veuillez réessayer plus tard.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>Le fichier de mise à jour n'est pas disponible sur le serveur.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Veuillez saisir un nom de connexion.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Version disponible :</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Ce téléphone n'offre pas les fonctions nécessaires à une connexion GPRS.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Priorité souscrite</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Classe de fiabilité souscrite</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC et RLC acquittés ; données protégées</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP non acquitté ; LLC et RLC acquittés, données protégées</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP et LLC non acquittés ; RLC acquitté, données protégées</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC et RLC non acquittés, données protégées</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC et RLC non acquittés, données non protégées</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Débit crête souscrit</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Jusqu'à 1 000 octets/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Jusqu'à 2 000 octets/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Jusqu'à 4 000 octets/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Priorité haute</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Jusqu'à 8 000 octets/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Jusqu'à 16 000 octets/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Jusqu'à 32 000 octets/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Jusqu'à 64 000 octets/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Jusqu'à 128 000 octets/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Jusqu'à 256 000 octets/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Débit moyen souscrit</translation>
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
        <translation>Priorité normale</translation>
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
        <translation>Priorité basse</translation>
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
        <translation>Au mieux</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Classe de délai souscrite</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Classe de délai 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Classe de délai 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Classe de délai 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Classe de délai 4 (au mieux)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Classe de délai :</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Débit moyen :</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Débit crête :</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Priorité :</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Classe de fiabilité :</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Obtenir les adresses des serveurs DNS automatiquement</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Utiliser les adresses de serveurs DNS suivantes :</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Obtenir une adresse IP automatiquement</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Utiliser l'adresse IP suivante :</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Serveur DNS auxiliaire :</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Serveur DNS préféré :</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>Serveurs DNS</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>Le nom du point d'accès fourni par votre opérateur, par exemple « internet ».</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Un nom de votre choix pour cette entrée de connexion.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>Le pays de votre opérateur réseau. Choisissez [Others] pour afficher tous les pays.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>Le mot de passe de l'accès GPRS, si votre opérateur en exige un.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>Le numéro que le téléphone compose pour le GPRS, généralement *99# ou *99**1*1#. Le chiffre qui suit ** est le numéro de contexte.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Votre opérateur réseau. Choisissez [Others] pour saisir vous-même tous les paramètres.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>Le nom d'utilisateur de l'accès GPRS, si votre opérateur en exige un.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>Le téléphone n'a pas pu être préparé pour la connexion.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>La connexion est terminée.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>L'entrée d'accès à distance n'a pas pu être configurée.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>Le raccourci n'a pas pu être créé.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow est connecté. Se déconnecter maintenant ?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Pas prêt : l'entrée d'accès à distance n'a pas pu être créée. Vérifiez la configuration du téléphone.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>QoS minimale</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>QoS demandée</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>Attente de la demande de rappel...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Enregistrement de votre ordinateur sur le réseau...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Mesure de la vitesse de liaison...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Authentification confirmée...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Nouvelle authentification...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Authentifié</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Préparation du rappel...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Attente de la réinitialisation du téléphone...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Négociation de la connexion...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Ouverture de session sur le réseau...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Liaison connectée</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Liaison déconnectée</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Ouverture du port...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Aucune entrée de connexion n'a encore été sélectionnée. Fermer quand même la fenêtre ?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Supprimer l'entrée de connexion sélectionnée ?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Port ouvert</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Connexion au téléphone...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Téléphone connecté, établissement de la liaison...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Vérification du nom d'utilisateur et du mot de passe...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Nouvelle tentative d'authentification...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Avancé...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Entrée</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>&amp;Raccourci</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Configuration du téléphone...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;Vitesse du port</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des mises à &amp;jour...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d'aide</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>À &amp;propos de Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Afficher la fenêtre</translation>
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
        <translation>Cette entrée ne peut pas être envoyée au téléphone : son champ « %1 » contient des caractères refusés dans une commande (guillemets, barres obliques inverses, sauts de ligne...). Corrigez l'entrée, puis reconnectez-vous.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>Le champ « %1 » ne peut contenir que les lettres A à Z, des chiffres, des tirets et des points. Corrigez-le, puis enregistrez de nouveau.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>Le champ « %1 » doit être une adresse formée de quatre nombres de 0 à 255 séparés par des points, par exemple 10.0.0.1. Corrigez-le, puis enregistrez de nouveau.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>Le champ « %1 » doit contenir six nombres séparés par des virgules, par exemple 1,0,0,3,0,0. Choisissez de nouveau le profil sur cette page, puis enregistrez.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>Le serveur de mise à jour a envoyé une réponse illisible. Veuillez réessayer plus tard.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>Le serveur de mise à jour a proposé un nom de fichier qui n'est pas un simple nom de fichier. Le téléchargement a été refusé.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>L'espace disque disponible est insuffisant pour le fichier de mise à jour.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>Le serveur de mise à jour a cessé d'envoyer des données. Le téléchargement a été interrompu ; veuillez réessayer plus tard.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>Le fichier de mise à jour ne peut pas être enregistré dans le dossier de téléchargement.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>La connexion au serveur de mise à jour s'est interrompue avant la fin du fichier. Veuillez réessayer plus tard.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 n'est pas un paquet d'installation pour ce système ; Braxlow ne l'ouvre donc pas. Le dossier qui le contient est affiché à la place.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>port AT principal</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>port AT secondaire</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>port de données</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>diagnostic</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>pas pour la numérotation</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Numéro de port :</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Périphérique :</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Choisissez le port série auquel votre téléphone est connecté, ou saisissez le périphérique d'un téléphone Bluetooth, par exemple /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Ce port est COM%1. Il sera répertorié comme votre téléphone.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Choisissez ou saisissez le périphérique auquel votre téléphone est connecté, par exemple /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>Le périphérique doit être indiqué par un chemin complet, par exemple /dev/rfcomm0, sans ';' ni caractères de contrôle.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Choisissez un numéro de port entre 1 et 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 est déjà utilisé par %2. Choisissez un autre numéro de port.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 est réservé à un périphérique qui n'est pas connecté actuellement. Choisissez un autre numéro de port.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 est déjà répertorié comme modem sur COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 ne peut pas être utilisé pour un téléphone. Il doit s'agir d'un port série, d'un modem ou d'un port Bluetooth. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 n'existe pas. Connectez le téléphone ou liez son port Bluetooth, puis ajoutez-le de nouveau.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>La carte SIM demande son code PIN. Reconnectez-vous et saisissez le code PIN lorsqu'il vous est demandé.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>La carte SIM est bloquée après trois codes PIN erronés et demande son code PUK. Débloquez-la dans un téléphone avec le code PUK fourni par votre opérateur ; Braxlow n'envoie jamais de code PUK.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>Le téléphone n'a pas de carte SIM ou ne peut pas la lire. Insérez la carte SIM, redémarrez le téléphone et réessayez.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>Le téléphone n'est enregistré sur aucun réseau et n'en recherche aucun. Vérifiez que sa radio est activée (pas en mode avion).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>Le téléphone recherche encore un réseau. Patientez un instant et réessayez.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>Le réseau a refusé d'enregistrer le téléphone. Demandez à votre opérateur si la carte SIM est activée.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>Le réseau n'autorise pas cette carte SIM ici (itinérance non autorisée). Choisissez un autre réseau sur le téléphone ou renseignez-vous auprès de votre opérateur.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>Le téléphone n'a pas de signal. Rendez-vous dans un endroit mieux couvert et réessayez.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>Le téléphone est enregistré, mais n'est pas rattaché aux données par paquets (GPRS). Vérifiez que votre abonnement inclut les données mobiles.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>Le téléphone ne connaît pas les commandes QoS ; les valeurs par défaut du réseau s'appliquent.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>Code PIN de la SIM</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>La carte SIM du téléphone est verrouillée. Saisissez son code PIN (4 à 8 chiffres) :</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Tentatives restantes : %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Mémoriser le code PIN pour cette entrée</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>Le téléphone n'a pas accepté le code PIN. Braxlow ne réessaie pas de lui-même, la carte SIM n'est donc pas bloquée : vérifiez le code PIN et reconnectez-vous.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>La carte SIM n'est pas prête après la saisie du code PIN. Patientez un instant et reconnectez-vous.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Déverrouillage de la carte SIM...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Recherche de la cause auprès du téléphone...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Il ne reste qu'une tentative : un code PIN erroné bloquera maintenant la carte SIM.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>Le téléphone lui-même est verrouillé (un code du téléphone, pas le code PIN de la SIM). Déverrouillez-le sur le téléphone et réessayez.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Consulter le solde...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Solde prépayé</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>Cette entrée n'a pas de code de solde. Saisissez le code de votre opérateur (par exemple *100#) dans les paramètres de l'entrée.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Interrogation du réseau...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>Le réseau n'a pas répondu. Réessayez plus tard.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Réponse :</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>Le réseau ne prend pas en charge ce code.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>Le réseau a mis fin à la session.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>Depuis la SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Code de solde :</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>Impossible d'ouvrir le port du téléphone. Vérifiez que le téléphone est connecté et qu'aucun autre programme n'utilise son port.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>La carte SIM demande son code PIN. Saisissez le code PIN sur le téléphone, puis réessayez.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>La carte SIM est verrouillée et demande son code PUK. Déverrouillez-la sur le téléphone, puis réessayez.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>Le téléphone n'a pas de carte SIM. Insérez la carte SIM, puis réessayez.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>Le téléphone n'a pas indiqué l'identité de la carte SIM. Choisissez vous-même le pays et l'opérateur réseau.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>Le code réseau %1 de la carte SIM ne figure pas dans la liste des opérateurs. Choisissez vous-même le pays et l'opérateur réseau.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>Le réseau de la carte SIM a plusieurs préréglages. Choisissez-en un :</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>Le champ « %1 » ne peut contenir que des chiffres, *, # et +, 32 caractères au maximum, par exemple *100#. Corrigez-le, puis enregistrez de nouveau.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Tester le téléphone</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Fabricant :</translation>
    </message>
    <message id="3102">
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message id="3103">
        <source>Firmware:</source>
        <translation>Micrologiciel :</translation>
    </message>
    <message id="3104">
        <source>Network code (MCC/MNC):</source>
        <translation>Code réseau (MCC/MNC) :</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>Carte SIM :</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Enregistrement réseau :</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Enregistrement pour les données par paquets :</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Réseau actuel :</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Signal :</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Données par paquets (GPRS) :</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Résultat :</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm (%2 barres sur 4)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Inconnu|Prête|Code PIN requis|Code PUK requis|Aucune carte SIM|Verrouillée</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Non enregistré|Réseau d'origine|Recherche en cours|Refusé|Inconnu|Itinérance</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Non rattaché|Rattaché</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>Le téléphone est prêt pour une connexion.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>Le téléphone n'a pas répondu. Vérifiez qu'il est allumé et connecté, et que le bon port est sélectionné.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) est utilisé par %3 (processus %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>Le téléphone n'indique pas s'il est enregistré sur un réseau ; la connexion risque d'échouer.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Pour composer, votre utilisateur doit être membre des groupes %1. Demandez à votre administrateur, ou exécutez « sudo adduser $USER dip » et « sudo adduser $USER dialout », puis reconnectez-vous.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Reconnecter automatiquement</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>Ce mois-ci : %1 sur %2 Mo (%3 %)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>Ce mois-ci : %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Mois : %1 % de %2 Mo</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>La connexion a été interrompue</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>Elle a duré %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Nouvelle numérotation dans %1 s. Cliquez sur « Déconnecter » pour annuler.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>La nouvelle numérotation a été annulée.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Forfait de données</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>Vous avez utilisé %1 % de votre forfait de %2 Mo pour ce mois.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>Le forfait de %1 Mo de ce mois est épuisé. Braxlow reste connecté ; les données supplémentaires peuvent être facturées en plus.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Forfait mensuel :</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>à partir du jour</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>Le volume de données inclus chaque mois dans votre forfait, compté dans les deux sens, et le jour où commence son mois. Braxlow avertit à 80 % et 100 % et ne déconnecte jamais pour autant.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>Demande à ModemManager de libérer le téléphone...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager n'a pas laissé Braxlow utiliser le téléphone : %1
Un administrateur peut l'autoriser pour le groupe dip avec install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager n'a pas libéré le téléphone à temps. Réessayez dans un instant.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>Le téléphone a été déconnecté de l'ordinateur. Rebranchez-le, puis connectez-vous.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>En attente du rebranchement du téléphone...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>Périphérique USB :</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Dialogue avec le téléphone...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>Serveurs DNS du réseau</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>Les serveurs DNS du préréglage exigent le hook DNS de Braxlow, qui n'est pas installé : ceux du réseau sont utilisés. Pour l'installer : sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Rempli d'après le préréglage de l'opérateur. Pour saisir votre propre valeur, choisissez [Others] comme opérateur.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>La page d'aide n'a pas pu être affichée : aucun programme pour les pages web n'a été trouvé. La page est %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>Aucun serveur de mise à jour n'est défini : Braxlow ne peut pas chercher de mises à jour. Un éditeur l'indique comme UpdateServer dans la section [Braxlow\Config] de %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>Le raccourci du bureau est %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>Il n'y a aucune connexion à terminer.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>Il n'existe aucune entrée de connexion numéro %1 : l'entrée du raccourci a été supprimée.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Choisissez d'abord une entrée de connexion : cliquez sur Entrées.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Téléphone ou modem</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow raccroche la ligne du téléphone avant la mise en veille de l'ordinateur.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Démarrer avec le bureau</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Braxlow n'a pas pu être configuré pour démarrer avec le bureau.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>Ces fichiers contiennent vos mots de passe, mais d'autres utilisateurs de cet ordinateur pouvaient les lire :
%1
Braxlow les a rendus lisibles par vous seul.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>La connexion est encore en cours de fermeture...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>Les données utilisées ce mois-ci ne peuvent pas être enregistrées dans %1. Braxlow continue de compter, mais le décompte peut être perdu à sa fermeture.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>Vous n'êtes pas autorisé à démarrer le service d'accès à distance (pppd). Un administrateur le configure une fois, depuis le dossier source de Braxlow : sudo scripts/install-ppp-access %1 (puis reconnectez-vous).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>Le numéro d'appel, le nom d'utilisateur ou le mot de passe est inutilisable : il contient des caractères impossibles à composer ou il est trop long.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>Impossible d'ouvrir l'annuaire téléphonique.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>L'entrée de l'annuaire téléphonique pour cette connexion est introuvable.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>Le port est déjà ouvert : un autre programme utilise le téléphone.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>Le téléphone n'est pas disponible : il n'est pas connecté, pas configuré pour les appels sortants, ou utilisé par un autre programme.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>Le téléphone a raccroché avant que la connexion soit établie.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>Le téléphone a signalé une erreur pendant la numérotation.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>Pas de tonalité : le téléphone n'a pas de réseau.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>La ligne est occupée.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>Le téléphone n'a pas répondu à la commande de numérotation.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>Le réseau n'a pas accepté l'appel (pas de porteuse). Vérifiez le numéro d'appel et le nom du point d'accès.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>La connexion a été fermée par le réseau avant d'être établie.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>L'accès a été refusé, car le nom d'utilisateur ou le mot de passe n'est pas valide.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>La connexion a été interrompue, car le réseau n'a pas répondu à temps.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>Le protocole de contrôle de liaison PPP a été arrêté.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>Le service d'accès à distance (pppd) n'a pas pu démarrer. Le noyau de ce système ne prend peut-être pas en charge PPP (le périphérique /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>Le service d'accès à distance (pppd) s'est arrêté sur une erreur fatale, par exemple parce qu'il n'a pas pu ouvrir ou verrouiller le port du téléphone.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>Le service d'accès à distance (pppd) a refusé ses options. Vérifiez le fichier /etc/ppp/options du système et le fichier /etc/ppp/peers/braxlow.&lt;device&gt; de Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>Le script d'initialisation du service d'accès à distance a échoué (une option « init » dans /etc/ppp/options ou /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>Cette entrée de connexion a ses propres serveurs DNS, mais le hook DNS de Braxlow n'est pas installé : ils ne seraient pas utilisés. Installez-le depuis le dossier source de Braxlow avec : sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Ou laissez le réseau fournir les serveurs DNS : Propriétés, Avancé, Obtenir les adresses des serveurs DNS automatiquement.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>processus %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>o|ko|Mo|Go|To</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (cyrillique)</translation>
    </message>
    <message id="3241">
        <source>%1 (Latin)</source>
        <translation>%1 (latin)</translation>
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
        <translation>%1 (tri international)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Caraïbes</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tatarstan</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Historique des connexions</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Toutes les entrées</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Reçu</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Comment elle s'est terminée</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Raccroché</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Coupé par le réseau</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Échec (%1) : %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow s'est fermé pendant la connexion</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Actuellement connecté</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Copier le diagnostic</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>Le rapport de diagnostic est dans le presse-papiers. Les mots de passe, codes PIN, codes de solde et numéros de la SIM et du téléphone y sont masqués.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Trafic par jour depuis le %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Forfait : %1 Mo</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Détails...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Entrée :</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Aucune connexion pour l'instant.</translation>
    </message>
</context>
</TS>
