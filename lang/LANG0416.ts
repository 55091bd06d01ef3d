<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>O Braxlow conecta seu computador à Internet por meio de um celular GPRS usado como modem.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Adicionar modem...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>O Braxlow já está em execução.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Lembrar senha</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>Não foi possível acessar o servidor de atualização. Verifique sua conexão com a Internet e tente novamente mais tarde.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>A porta do celular está sendo usada por %s. Feche %s e tente novamente.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Nova...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Nome da conexão:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Nome do ponto de acesso (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Configurar celular...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Atalho</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Operadora:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Número de discagem:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Propriedades...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Entradas de conexão</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Modo de acesso</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Nome de usuário:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>Não foi possível abrir a porta do celular. Verifique a configuração do celular.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>O Braxlow não conseguiu gravar na porta do celular.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>O celular recusou um comando ou não respondeu. Verifique se o celular está ligado e conectado.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Já existe uma entrada de conexão com este nome. Escolha outro nome.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>não conseguiu se conectar.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Fazer logon</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>O download foi concluído. Instalar a nova versão agora?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>O servidor de atualização está ocupado. Tente novamente mais tarde.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>Você já tem a versão mais recente.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>O servidor de atualização informou um erro. Tente novamente mais tarde.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>O arquivo de atualização não está disponível no servidor.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Digite um nome para a conexão.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Versão disponível:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Este celular não oferece as funções necessárias para uma conexão GPRS.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Precedência assinada</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Classe de confiabilidade assinada</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC e RLC confirmados; dados protegidos</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP não confirmado; LLC e RLC confirmados, dados protegidos</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP e LLC não confirmados; RLC confirmado, dados protegidos</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC e RLC não confirmados, dados protegidos</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC e RLC não confirmados, dados não protegidos</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Vazão de pico assinada</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Até 1 000 octetos/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Até 2 000 octetos/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Até 4 000 octetos/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Prioridade alta</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Até 8 000 octetos/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Até 16 000 octetos/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Até 32 000 octetos/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Até 64 000 octetos/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Até 128 000 octetos/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Até 256 000 octetos/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Vazão média assinada</translation>
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
        <translation>Prioridade normal</translation>
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
        <translation>Prioridade baixa</translation>
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
        <translation>Melhor esforço</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Classe de atraso assinada</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Classe de atraso 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Classe de atraso 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Classe de atraso 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Classe de atraso 4 (melhor esforço)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Classe de atraso:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Vazão média:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Vazão de pico:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Precedência:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Classe de confiabilidade:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Obter o endereço dos servidores DNS automaticamente</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Usar os seguintes endereços de servidor DNS:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Obter um endereço IP automaticamente</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Usar o seguinte endereço IP:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Servidor DNS alternativo:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Servidor DNS preferencial:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>Servidores DNS</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>O nome do ponto de acesso informado pela sua operadora, por exemplo “internet”.</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Um nome de sua escolha para esta entrada de conexão.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>O país da sua operadora. Escolha [Others] para ver todos os países.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>A senha do acesso GPRS, se a sua operadora exigir uma.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>O número que o celular disca para GPRS, geralmente *99# ou *99**1*1#. O dígito após ** é o número do contexto.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Sua operadora. Escolha [Others] para digitar todas as configurações manualmente.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>O nome de usuário do acesso GPRS, se a sua operadora exigir um.</translation>
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
        <translation>Sair</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>Não foi possível preparar o celular para a conexão.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>A conexão foi encerrada.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>Não foi possível configurar a entrada de conexão discada.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>Não foi possível criar o atalho.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>O Braxlow está conectado. Desconectar agora?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Não está pronto: não foi possível criar a entrada de conexão discada. Verifique a configuração do celular.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Pronto</translation>
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
        <translation>Aguardando a solicitação de retorno de chamada...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Registrando o computador na rede...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Medindo a velocidade do link...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Autenticação confirmada...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Autenticando novamente...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Autenticado</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Preparando o retorno de chamada...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Aguardando a reinicialização do celular...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Negociando a conexão...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Fazendo logon na rede...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Link conectado</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Link desconectado</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Abrindo a porta...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Nenhuma entrada de conexão foi selecionada ainda. Fechar a janela mesmo assim?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Excluir a entrada de conexão selecionada?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Porta aberta</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Conectando ao celular...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Celular conectado, iniciando o link...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Verificando nome de usuário e senha...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Repetindo a autenticação...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Avançado...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Nova...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Selecionar</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>&amp;Propriedades...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>&amp;Atalho</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Configurar celular...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;Velocidade da porta</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Verificar &amp;atualizações...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Tópicos da Ajuda</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>&amp;Sobre o Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Mostrar janela</translation>
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
        <translation>Esta entrada de conexão não pode ser enviada ao celular: o campo “%1” contém caracteres que um celular não aceita em um comando (como aspas, barras invertidas ou quebras de linha). Corrija a entrada e conecte novamente.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>O campo “%1” só pode conter as letras de A a Z, dígitos, hifens e pontos. Corrija-o e salve novamente.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>O campo “%1” deve ser um endereço de quatro números de 0 a 255 separados por pontos, como 10.0.0.1. Corrija-o e salve novamente.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>O campo “%1” deve conter seis números separados por vírgulas, como 1,0,0,3,0,0. Escolha o perfil novamente nessa página e salve novamente.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>O servidor de atualização enviou uma resposta que não pode ser lida. Tente novamente mais tarde.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>O servidor de atualização ofereceu um nome de arquivo que não é um nome de arquivo simples. O download foi recusado.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>Não há espaço livre suficiente em disco para o arquivo de atualização.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>O servidor de atualização parou de enviar dados. O download foi interrompido; tente novamente mais tarde.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>Não é possível salvar o arquivo de atualização na pasta de downloads.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>A conexão com o servidor de atualização foi encerrada antes de o arquivo ser concluído. Tente novamente mais tarde.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 não é um pacote de instalação para este sistema, por isso o Braxlow não o abre. Em vez disso, é mostrada a pasta que o contém.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>porta AT principal</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>segunda porta AT</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>porta de dados</translation>
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
        <translation>não serve para discar</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Número da porta:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Escolha a porta serial à qual o celular está conectado ou digite o dispositivo de um celular Bluetooth, por exemplo /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Esta porta é a COM%1. Ela será listada como seu celular.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Escolha ou digite o dispositivo ao qual o celular está conectado, por exemplo /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>O dispositivo deve ser informado como caminho completo, como /dev/rfcomm0, sem ';' nem caracteres de controle.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Escolha um número de porta de 1 a 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>A COM%1 já está sendo usada por %2. Escolha outro número de porta.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>A COM%1 está reservada para um dispositivo que não está conectado no momento. Escolha outro número de porta.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 já está listado como modem na COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 não pode ser usado para um celular. Deve ser uma porta serial, um modem ou uma porta Bluetooth. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 não existe. Conecte o celular ou vincule a porta Bluetooth dele e adicione-o novamente.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>O cartão SIM está pedindo o PIN. Conecte novamente e digite o PIN quando solicitado.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>O cartão SIM foi bloqueado após três PINs incorretos e está pedindo o PUK. Desbloqueie-o em um celular com o PUK fornecido pela sua operadora; o Braxlow nunca envia um PUK.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>O celular não tem cartão SIM ou não consegue lê-lo. Insira o cartão SIM, reinicie o celular e tente novamente.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>O celular não está registrado em nenhuma rede e não está procurando uma. Verifique se o rádio do celular está ligado (fora do modo avião).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>O celular ainda está procurando uma rede. Aguarde um momento e tente novamente.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>A rede recusou o registro do celular. Pergunte à sua operadora se o cartão SIM está ativo.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>A rede não permite este cartão SIM aqui (roaming não permitido). Escolha outra rede no celular ou consulte a sua operadora.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>O celular está sem sinal. Vá para um local com melhor recepção e tente novamente.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>O celular está registrado, mas não está conectado aos dados por pacotes (GPRS). Verifique se o seu plano inclui dados móveis.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>O celular não reconhece os comandos de QoS; os padrões da rede são aplicados.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>PIN do SIM</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>O cartão SIM do celular está bloqueado. Digite o PIN (4 a 8 dígitos):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Tentativas restantes: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Lembrar PIN para esta entrada</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>O celular não aceitou o PIN. O Braxlow não tenta novamente por conta própria, por isso o cartão SIM não é bloqueado: verifique o PIN e conecte novamente.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>O cartão SIM não ficou pronto depois que o PIN foi digitado. Aguarde um momento e conecte novamente.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Desbloqueando o cartão SIM...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Perguntando ao celular qual é o problema...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Resta apenas uma tentativa: agora um PIN incorreto bloqueará o cartão SIM.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>O próprio celular está bloqueado (um código do celular, não o PIN do SIM). Desbloqueie-o no celular e tente novamente.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Consultar saldo...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Saldo pré-pago</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>Esta entrada não tem código de saldo. Digite o código da sua operadora (por exemplo, *100#) nas configurações da entrada.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Consultando a rede...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>A rede não respondeu. Tente novamente mais tarde.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Resposta:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>A rede não suporta este código.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>A rede encerrou a sessão.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Salvar...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>Do SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Código de saldo:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>Não é possível abrir a porta do celular. Verifique se o celular está conectado e se nenhum outro programa está usando a porta dele.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>O cartão SIM está pedindo o PIN. Digite o PIN no celular e tente novamente.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>O cartão SIM está bloqueado e pedindo o PUK. Desbloqueie-o no celular e tente novamente.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>O celular não tem cartão SIM. Insira o cartão SIM e tente novamente.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>O celular não informou a identidade do SIM. Escolha o país e a operadora manualmente.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>O código de rede %1 do SIM não está na lista de operadoras. Escolha o país e a operadora manualmente.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>A rede do SIM tem várias predefinições. Escolha uma:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>O campo “%1” só pode conter dígitos, *, # e +, no máximo 32 caracteres, como *100#. Corrija-o e salve novamente.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Testar celular</translation>
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
        <translation>Código de rede (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>Cartão SIM:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Registro na rede:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Registro de dados por pacotes:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Rede atual:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Sinal:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Dados por pacotes (GPRS):</translation>
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
        <translation>Desconhecido|Pronto|PIN necessário|PUK necessário|Sem cartão SIM|Bloqueado</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Não registrado|Rede de origem|Procurando|Recusado|Desconhecido|Roaming</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Não conectado|Conectado</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>O celular está pronto para uma conexão.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>O celular não respondeu. Verifique se ele está ligado e conectado e se a porta correta está selecionada.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) está sendo usada por %3 (processo %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>O celular não informa se está registrado em uma rede; a conexão pode falhar.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Para discar, seu usuário precisa pertencer aos grupos %1. Peça ao administrador ou execute "sudo adduser $USER dip" e "sudo adduser $USER dialout" e entre novamente na sessão.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Reconectar automaticamente</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>Este mês: %1 de %2 MB (%3%)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>Este mês: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Mês: %1% de %2 MB</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>A conexão caiu</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>A conexão ficou ativa por %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Discando novamente em %1 s. Clique em “Desconectar” para cancelar.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>A nova discagem foi cancelada.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Franquia de dados</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>Você já usou %1% da franquia de %2 MB deste mês.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>A franquia de %1 MB deste mês acabou. O Braxlow continua conectado; o uso adicional de dados pode ser cobrado à parte.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Franquia mensal:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>a partir do dia</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>Os dados que seu plano permite por mês, contados nos dois sentidos, e o dia em que o mês começa. O Braxlow avisa em 80% e 100% e nunca desconecta por causa disso.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>Pedindo ao ModemManager que libere o telefone...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>O ModemManager não deixou o Braxlow usar o telefone: %1
Um administrador pode permitir isso ao grupo dip com install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>O ModemManager não liberou o telefone a tempo. Tente de novo em instantes.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>O telefone foi desconectado do computador. Conecte-o novamente e depois conecte-se.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>Aguardando o telefone ser conectado novamente...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>Dispositivo USB:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Comunicando com o telefone...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>Servidores DNS da rede</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>Os servidores DNS da predefinição precisam do hook DNS do Braxlow, que não está instalado: são usados os da rede. Para instalá-lo: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Preenchido a partir da predefinição da operadora. Para digitar o seu, escolha [Others] como operadora.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>Não foi possível exibir a página de ajuda: nenhum programa para páginas da web foi encontrado. A página é %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>Nenhum servidor de atualização está definido: o Braxlow não pode procurar atualizações. Um editor o indica como UpdateServer na seção [Braxlow\Config] de %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>O atalho na área de trabalho é %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>Não há nenhuma conexão para encerrar.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>Não existe a entrada de conexão número %1: a entrada do atalho foi excluída.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Escolha primeiro uma entrada de conexão: clique em Entradas.</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Telefone ou modem</translation>
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
        <translation>O Braxlow desliga a linha do telefone antes de o computador entrar em suspensão.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Iniciar com a área de trabalho</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Não foi possível configurar o Braxlow para iniciar com a área de trabalho.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>Estes arquivos contêm suas senhas, mas outros usuários deste computador podiam lê-los:
%1
O Braxlow os tornou legíveis somente por você.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>A conexão ainda está sendo encerrada...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>Os dados usados neste mês não podem ser salvos em %1. O Braxlow continua contando, mas a contagem pode se perder quando ele for fechado.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>Você não tem permissão para iniciar o serviço de conexão discada (pppd). Um administrador o configura uma vez, a partir da pasta de código-fonte do Braxlow: sudo scripts/install-ppp-access %1 (e entre novamente na sessão).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>Não é possível usar o número de discagem, o nome de usuário ou a senha: contém caracteres que não podem ser discados ou é longo demais.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>Não foi possível abrir a agenda telefônica.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>A entrada da agenda telefônica desta conexão não foi encontrada.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>A porta já está aberta: outro programa está usando o celular.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>O celular não está disponível: não está conectado, não está configurado para discar ou está sendo usado por outro programa.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>O celular desligou antes de a conexão ser concluída.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>O celular informou um erro durante a discagem.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>Não há tom de discagem: o celular está sem rede.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>A linha está ocupada.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>O celular não respondeu ao comando de discagem.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>A rede não aceitou a chamada (sem portadora). Verifique o número de discagem e o nome do ponto de acesso.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>A conexão foi encerrada pela rede antes de ser concluída.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>O acesso foi negado porque o nome de usuário ou a senha não é válido.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>A conexão foi encerrada porque a rede não respondeu a tempo.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>O protocolo de controle de link PPP foi encerrado.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>Não foi possível iniciar o serviço de conexão discada (pppd). O kernel deste sistema pode não ter suporte a PPP (o dispositivo /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>O serviço de conexão discada (pppd) parou com um erro fatal, por exemplo por não conseguir abrir ou bloquear a porta do celular.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>O serviço de conexão discada (pppd) recusou suas opções. Verifique /etc/ppp/options do sistema e /etc/ppp/peers/braxlow.&lt;device&gt; do Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>O script de inicialização do serviço de conexão discada falhou (uma opção “init” em /etc/ppp/options ou /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>Esta entrada de conexão tem servidores DNS próprios, mas o hook DNS do Braxlow não está instalado, então eles não seriam usados. Instale-o a partir da pasta de código-fonte do Braxlow com: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Ou deixe a rede fornecer os servidores DNS: Propriedades, Avançado, Obter o endereço dos servidores DNS automaticamente.</translation>
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
        <translation>%1 (bokmål)</translation>
    </message>
    <message id="3243">
        <source>%1 (Nynorsk)</source>
        <translation>%1 (nynorsk)</translation>
    </message>
    <message id="3244">
        <source>%1 (international sort)</source>
        <translation>%1 (classificação internacional)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Caribe</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tartaristão</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>Histórico...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Histórico de conexões</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Todas as entradas</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Início</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Recebido</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Como terminou</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Desligado</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Derrubado pela rede</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Falhou (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>O Braxlow foi fechado durante a conexão</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Conectado agora</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Copiar diagnóstico</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>O relatório de diagnóstico está na área de transferência. Senhas, PINs, códigos de saldo e os números do SIM e do celular estão mascarados nele.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Tráfego por dia desde %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Franquia: %1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Detalhes...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Entrada:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Ainda não há conexões.</translation>
    </message>
</context>
</TS>
