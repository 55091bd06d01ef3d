// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>

// Numbers of the strings in the language tables (lang/LANG*.ts). Code asks for a
// text by one of these names; the tests check that every number listed here is in
// the English and German tables.
namespace Str {

constexpr int AboutTitle = 1000;
constexpr int AboutDescription = 1001;
constexpr int UpdateTitle = 1002;
constexpr int SetupAddModem = 1003;
constexpr int AlreadyRunning = 1005;
constexpr int UpdateCancel = 1007;
constexpr int RememberPassword = 1009;
constexpr int UpdateServerUnreachable = 1010;
constexpr int PortConflict = 1012;
constexpr int UpdateCurrentVersion = 1013;
constexpr int AccessModeGroup = 1015;
constexpr int NewEntry = 1016;
constexpr int ConnectNameLabel = 1017;
constexpr int Close = 1018;
constexpr int Delete = 1019;
constexpr int ApnLabel = 1020;
constexpr int PhoneSetup = 1021;
constexpr int Shortcut = 1022;
constexpr int CountryLabel = 1023;
constexpr int ProviderLabel = 1024;
constexpr int Select = 1025;
constexpr int PasswordLabel = 1026;
constexpr int DialStringLabel = 1027;
constexpr int Properties = 1028;
constexpr int EntryListTitle = 1029;
constexpr int AccessModeLabel = 1030;
constexpr int UserNameLabel = 1031;
constexpr int StatusPortNotOpened = 1032;
constexpr int WriteError = 1033;
constexpr int PhoneRejectedCommand = 1034;
constexpr int ConnectNameTaken = 1035;
constexpr int CouldNotConnect = 1036;
constexpr int LogOnTitle = 1037;
constexpr int DownloadComplete = 1039;
constexpr int UpdateServerBusy = 1040;
constexpr int NoNewerVersion = 1041;
constexpr int UpdateServerError = 1042;
constexpr int UpdateFileMissing = 1043;
constexpr int ConnectNameEmpty = 1044;
constexpr int UpdateOfferedVersion = 1045;
constexpr int PhoneNotSuitable = 1046;
constexpr int Ok = 1047;
constexpr int Download = 1048;
constexpr int PrecedenceSubscribed = 1049;
constexpr int ReliabilitySubscribed = 1050;
constexpr int Reliability1 = 1051;
constexpr int Reliability2 = 1052;
constexpr int Reliability3 = 1053;
constexpr int Reliability4 = 1054;
constexpr int Reliability5 = 1055;
constexpr int PeakSubscribed = 1056;
constexpr int Peak1 = 1057;
constexpr int Peak2 = 1058;
constexpr int Peak3 = 1059;
constexpr int PrecedenceHigh = 1060;
constexpr int Peak4 = 1061;
constexpr int Peak5 = 1062;
constexpr int Peak6 = 1063;
constexpr int Peak7 = 1064;
constexpr int Peak8 = 1065;
constexpr int Peak9 = 1066;
constexpr int MeanSubscribed = 1067;
constexpr int Mean1 = 1068;
constexpr int Mean2 = 1069;
constexpr int Mean3 = 1070;
constexpr int PrecedenceNormal = 1071;
constexpr int Mean4 = 1072;
constexpr int Mean5 = 1073;
constexpr int Mean6 = 1074;
constexpr int Mean7 = 1075;
constexpr int Mean8 = 1076;
constexpr int Mean9 = 1077;
constexpr int Mean10 = 1078;
constexpr int Mean11 = 1079;
constexpr int Mean12 = 1080;
constexpr int Mean13 = 1081;
constexpr int PrecedenceLow = 1082;
constexpr int Mean14 = 1083;
constexpr int Mean15 = 1084;
constexpr int Mean16 = 1085;
constexpr int Mean17 = 1086;
constexpr int Mean18 = 1087;
constexpr int MeanBestEffort = 1088;
constexpr int DelaySubscribed = 1089;
constexpr int Delay1 = 1090;
constexpr int Delay2 = 1091;
constexpr int Delay3 = 1092;
constexpr int Delay4 = 1093;
constexpr int DelayLabel = 1094;
constexpr int MeanLabel = 1095;
constexpr int PeakLabel = 1096;
constexpr int PrecedenceLabel = 1097;
constexpr int ReliabilityLabel = 1098;
constexpr int DnsAutomatic = 1099;
constexpr int DnsManual = 1100;
constexpr int IpAutomatic = 1101;
constexpr int IpManual = 1102;
constexpr int AlternateDnsLabel = 1103;
constexpr int PreferredDnsLabel = 1104;
constexpr int IpAddressLabel = 1105;
constexpr int DnsGroup = 1106;
constexpr int IpGroup = 1107;
constexpr int TipApn = 1108;
constexpr int TipConnectName = 1109;
constexpr int TipCountry = 1110;
constexpr int TipPassword = 1111;
constexpr int TipDialString = 1112;
constexpr int TipProvider = 1113;
constexpr int TipUserName = 1114;
constexpr int Connect = 1115;
constexpr int Disconnect = 1116;
constexpr int Exit = 1117;
constexpr int StatusPhoneNotPrepared = 1118;
constexpr int StatusConnectionEnded = 1120;
constexpr int StatusDialupEntryFailed = 1124;
constexpr int ShortcutFailed = 1127;
constexpr int ConfirmDisconnect = 1130;
constexpr int StatusNotReady = 1131;
constexpr int StatusReady = 1132;
constexpr int EntrySetup = 1133;
constexpr int TabQoSMin = 1134;
constexpr int TabQoSRequest = 1135;
constexpr int TabTcpIp = 1136;
constexpr int StateConnected = 1137;
constexpr int StateAuthCallback = 1139;
constexpr int StateAuthProject = 1141;
constexpr int StateAuthLinkSpeed = 1142;
constexpr int StateAuthAck = 1143;
constexpr int StateReAuthenticate = 1144;
constexpr int StateAuthenticated = 1145;
constexpr int StatePrepareForCallback = 1146;
constexpr int StateWaitForModemReset = 1147;
constexpr int StateDisconnected = 1148;
constexpr int StateNegotiating = 1149;
constexpr int StateLogonNetwork = 1153;
constexpr int StateSubEntryConnected = 1154;
constexpr int StateSubEntryDisconnected = 1155;
constexpr int StateOpenPort = 1159;
constexpr int ConfirmCloseWithoutEntry = 1161;
constexpr int ConfirmDeleteEntry = 1162;
constexpr int StatePortOpened = 1163;
constexpr int StateConnecting = 1164;
constexpr int StateDeviceConnected = 1165;
constexpr int StateAuthenticate = 1167;
constexpr int StateAuthRetry = 1168;
constexpr int Advanced = 1169;
constexpr int Cancel = 1170;
constexpr int Save = 1172;
constexpr int MenuEntry = 2001;
constexpr int MenuNew = 2002;
constexpr int MenuSelect = 2003;
constexpr int MenuDelete = 2004;
constexpr int MenuProperties = 2005;
constexpr int MenuShortcut = 2006;
constexpr int MenuOptions = 2010;
constexpr int MenuSetup = 2011;
constexpr int MenuSpeed = 2012;
constexpr int MenuLanguage = 2013;
constexpr int MenuUpdate = 2014;
constexpr int MenuHelp = 2020;
constexpr int MenuHelpTopics = 2021;
constexpr int MenuAbout = 2022;
constexpr int MenuRestore = 2023;
constexpr int LanguageEnglish = 2030;
constexpr int LanguageGerman = 2031;
constexpr int LanguageChineseSimplified = 2032;
constexpr int LanguageChineseTraditional = 2033;
constexpr int LanguageFrench = 2034;
constexpr int LanguageItalian = 2035;
constexpr int LanguageSpanish = 2036;
constexpr int LanguagePortuguese = 2037;
constexpr int LanguageDutch = 2038;
constexpr int LanguagePortugueseBrazilian = 2039;
constexpr int LanguageRussian = 2040;
constexpr int LanguageArabic = 2041;
constexpr int LanguageSwedish = 2042;

// Texts of Braxlow's own, beyond those of the original tables.
constexpr int UnsafeEntryValue = 3001;
constexpr int BadAccessPointName = 3002;
constexpr int BadAddress = 3003;
constexpr int BadQosText = 3004;
constexpr int UpdateBadResponse = 3010;
constexpr int UpdateUnsafeFileName = 3011;
constexpr int UpdateNoDiskSpace = 3012;
constexpr int UpdateServerSilent = 3013;
constexpr int UpdateCannotSave = 3014;
constexpr int UpdateConnectionLost = 3015;
constexpr int UpdateNotAPackage = 3016;
constexpr int PortRoleAtPrimary = 3020;
constexpr int PortRoleAtSecondary = 3021;
constexpr int PortRoleData = 3022;
constexpr int PortRoleGps = 3023;
constexpr int PortRoleDiagnostics = 3024;
constexpr int PortRoleIgnored = 3025;
constexpr int AddModemNumberLabel = 3030;
constexpr int AddModemDeviceLabel = 3031;
constexpr int AddModemExplain = 3032;
constexpr int AddModemMarksPort = 3033;
constexpr int AddModemNoDevice = 3040;
constexpr int AddModemBadPath = 3041;
constexpr int AddModemBadNumber = 3042;
constexpr int AddModemNumberTaken = 3043;
constexpr int AddModemNumberKept = 3044;
constexpr int AddModemAlreadyListed = 3045;
constexpr int AddModemNotTerminal = 3046;
constexpr int AddModemMissing = 3047;
constexpr int SimAsksPin = 3050;
constexpr int SimAsksPuk = 3051;
constexpr int SimNotInserted = 3052;
constexpr int PhoneNotRegistered = 3053;
constexpr int PhoneSearching = 3054;
constexpr int RegistrationDenied = 3055;
constexpr int RoamingNotAllowed = 3056;
constexpr int NoSignal = 3057;
constexpr int NotAttached = 3058;
constexpr int QosSkipped = 3059;
constexpr int PinTitle = 3060;
constexpr int PinPrompt = 3061;
constexpr int PinAttemptsLeft = 3062;
constexpr int PinRemember = 3063;
constexpr int PinRefused = 3064;
constexpr int PinNotReady = 3065;
constexpr int UnlockingSim = 3066;
constexpr int AskingPhone = 3067;
constexpr int PinLastAttempt = 3068;
constexpr int PhoneLocked = 3069;
constexpr int BalanceCommand = 3070;
constexpr int BalanceTitle = 3071;
constexpr int BalanceNoCode = 3072;
constexpr int BalanceAsking = 3073;
constexpr int BalanceNoAnswer = 3074;
constexpr int BalanceReplyLabel = 3075;
constexpr int BalanceSend = 3076;
constexpr int BalanceNotSupported = 3077;
constexpr int BalanceEnded = 3078;
constexpr int BalanceSave = 3079;
constexpr int FromSim = 3090;
constexpr int BalanceCodeLabel = 3091;
constexpr int SimPortNotOpened = 3092;
constexpr int SimPinRequired = 3093;
constexpr int SimPukRequired = 3094;
constexpr int SimMissing = 3095;
constexpr int SimNoIdentity = 3096;
constexpr int SimNetworkUnknown = 3097;
constexpr int SimChooseProvider = 3098;
constexpr int BadBalanceCode = 3099;
constexpr int TestPhone = 3100;
constexpr int ReportMaker = 3101;
constexpr int ReportModel = 3102;
constexpr int ReportFirmware = 3103;
constexpr int ReportNetworkCode = 3104;
constexpr int ReportSim = 3105;
constexpr int ReportCircuit = 3106;
constexpr int ReportPacket = 3107;
constexpr int ReportOperator = 3108;
constexpr int ReportSignal = 3109;
constexpr int ReportAttach = 3110;
constexpr int ReportResult = 3111;
constexpr int ReportSignalValue = 3112;
constexpr int ReportSimStates = 3113;
constexpr int ReportRegistrationStates = 3114;
constexpr int ReportAttachStates = 3115;
constexpr int PhoneReady = 3116;
constexpr int PhoneSilent = 3117;
constexpr int PortHeldBy = 3118;
constexpr int RegistrationUnknown = 3119;
constexpr int DialGroupsHint = 3120;
constexpr int AutoReconnect = 3121;
constexpr int MonthWithCap = 3122;
constexpr int MonthNoCap = 3123;
constexpr int TipMonth = 3124;
constexpr int LineDropped = 3125;
constexpr int LineDroppedAfter = 3126;
constexpr int ReconnectIn = 3127;
constexpr int ReconnectCanceled = 3128;
constexpr int AllowanceTitle = 3129;
constexpr int AllowanceNearly = 3130;
constexpr int AllowanceUsed = 3131;
constexpr int AllowanceLabel = 3132;
constexpr int AllowanceNone = 3133;
constexpr int AllowanceStartDay = 3134;
constexpr int TipAllowance = 3135;
constexpr int ModemManagerReleasing = 3150;
constexpr int ModemManagerRefused = 3151;
constexpr int ModemManagerTimeout = 3152;
constexpr int PhoneUnplugged = 3153;
constexpr int WaitingForPhone = 3154;
constexpr int ReportUsbDevice = 3155;
constexpr int TalkingToPhone = 3160;
constexpr int PresetDnsTitle = 3161;
constexpr int PresetDnsFromNetwork = 3162;
constexpr int Yes = 3163;
constexpr int No = 3164;
constexpr int LockedByPreset = 3165;
constexpr int HelpNotOpened = 3166;
constexpr int NoUpdateServer = 3167;
constexpr int ShortcutMade = 3168;
constexpr int NothingToDisconnect = 3169;
constexpr int NoSuchEntry = 3170;
constexpr int ChooseEntryFirst = 3171;
constexpr int SetupColumnModem = 3172;
constexpr int SetupColumnPort = 3173;
constexpr int SetupColumnDevice = 3174;
constexpr int SleepHangsUp = 3175;
constexpr int StartWithDesktop = 3176;
constexpr int StartWithDesktopFailed = 3177;
constexpr int FilesTightened = 3180;
constexpr int StatusStillHangingUp = 3181;
constexpr int UsageNotSaved = 3182;
// The dial-up service's texts for its error codes, in the order of the codes'
// meaning: rights and entry, port, line, log-on, pppd itself.
constexpr int DialupNoPermission = 3200;
constexpr int DialupInvalidParameter = 3201;
constexpr int DialupCannotOpenPhoneBook = 3202;
constexpr int DialupCannotFindEntry = 3203;
constexpr int DialupPortAlreadyOpen = 3204;
constexpr int DialupPortNotAvailable = 3205;
constexpr int DialupPortDisconnected = 3206;
constexpr int DialupHardwareFailure = 3207;
constexpr int DialupNoDialtone = 3208;
constexpr int DialupLineBusy = 3209;
constexpr int DialupNoAnswer = 3210;
constexpr int DialupNoCarrier = 3211;
constexpr int DialupRemoteDisconnection = 3212;
constexpr int DialupAuthenticationFailure = 3213;
constexpr int DialupPppTimeout = 3214;
constexpr int DialupPppLcpTerminated = 3215;
constexpr int DialupServiceCannotStart = 3216;
constexpr int DialupPppFatalError = 3217;
constexpr int DialupPppOptionError = 3218;
constexpr int DialupPppInitScriptFailed = 3219;
constexpr int DialupDnsHookMissing = 3220;
constexpr int DialupDnsHookAlternative = 3221;
// Words inside other texts.
constexpr int HolderProcess = 3230;
constexpr int HolderNamedProcess = 3231;
constexpr int ByteUnits = 3232;
// Country names the iso-codes translations do not cover.
constexpr int CountryCyrillic = 3240;
constexpr int CountryLatin = 3241;
constexpr int CountryBokmal = 3242;
constexpr int CountryNynorsk = 3243;
constexpr int CountryInternationalSort = 3244;
constexpr int CountryCaribbean = 3245;
constexpr int CountryTatarstan = 3246;
// The connection history, its chart and the report for support.
constexpr int HistoryCommand = 3250;
constexpr int HistoryTitle = 3251;
constexpr int HistoryAllEntries = 3252;
constexpr int HistoryColumnStarted = 3253;
constexpr int HistoryColumnEntry = 3254;
constexpr int HistoryColumnDuration = 3255;
constexpr int HistoryColumnReceived = 3256;
constexpr int HistoryColumnSent = 3257;
constexpr int HistoryColumnOutcome = 3258;
constexpr int HistoryHungUp = 3259;
constexpr int HistoryDropped = 3260;
constexpr int HistoryFailed = 3261;
constexpr int HistoryCanceled = 3262;
constexpr int HistoryInterrupted = 3263;
constexpr int HistoryRunning = 3264;
constexpr int CopyDiagnostics = 3265;
constexpr int DiagnosticsCopied = 3266;
constexpr int HistoryChartTitle = 3267;
constexpr int HistoryChartAllowance = 3268;
constexpr int Details = 3269;
constexpr int HistoryEntryLabel = 3270;
constexpr int HistoryEmpty = 3271;

// A plain array: clang deduces std::array through a fold with a nesting limit
// the list has outgrown.
inline constexpr int kAllStringIds[] = {
    AboutTitle, AboutDescription, UpdateTitle, SetupAddModem, AlreadyRunning, UpdateCancel,
    RememberPassword, UpdateServerUnreachable, PortConflict, UpdateCurrentVersion,
    AccessModeGroup, NewEntry, ConnectNameLabel, Close, Delete, ApnLabel, PhoneSetup, Shortcut,
    CountryLabel, ProviderLabel, Select, PasswordLabel, DialStringLabel, Properties,
    EntryListTitle, AccessModeLabel, UserNameLabel, StatusPortNotOpened, WriteError,
    PhoneRejectedCommand, ConnectNameTaken, CouldNotConnect, LogOnTitle, DownloadComplete,
    UpdateServerBusy, NoNewerVersion, UpdateServerError, UpdateFileMissing, ConnectNameEmpty,
    UpdateOfferedVersion, PhoneNotSuitable, Ok, Download, PrecedenceSubscribed,
    ReliabilitySubscribed, Reliability1, Reliability2, Reliability3, Reliability4, Reliability5,
    PeakSubscribed, Peak1, Peak2, Peak3, PrecedenceHigh, Peak4, Peak5, Peak6, Peak7, Peak8,
    Peak9, MeanSubscribed, Mean1, Mean2, Mean3, PrecedenceNormal, Mean4, Mean5, Mean6, Mean7,
    Mean8, Mean9, Mean10, Mean11, Mean12, Mean13, PrecedenceLow, Mean14, Mean15, Mean16, Mean17,
    Mean18, MeanBestEffort, DelaySubscribed, Delay1, Delay2, Delay3, Delay4, DelayLabel,
    MeanLabel, PeakLabel, PrecedenceLabel, ReliabilityLabel, DnsAutomatic, DnsManual,
    IpAutomatic, IpManual, AlternateDnsLabel, PreferredDnsLabel, IpAddressLabel, DnsGroup,
    IpGroup, TipApn, TipConnectName, TipCountry, TipPassword, TipDialString, TipProvider,
    TipUserName, Connect, Disconnect, Exit, StatusPhoneNotPrepared, StatusConnectionEnded,
    StatusDialupEntryFailed, ShortcutFailed, ConfirmDisconnect, StatusNotReady, StatusReady,
    EntrySetup, TabQoSMin, TabQoSRequest, TabTcpIp, StateConnected, StateAuthCallback,
    StateAuthProject, StateAuthLinkSpeed, StateAuthAck, StateReAuthenticate, StateAuthenticated,
    StatePrepareForCallback, StateWaitForModemReset, StateDisconnected, StateNegotiating,
    StateLogonNetwork, StateSubEntryConnected, StateSubEntryDisconnected, StateOpenPort,
    ConfirmCloseWithoutEntry, ConfirmDeleteEntry, StatePortOpened, StateConnecting,
    StateDeviceConnected, StateAuthenticate, StateAuthRetry, Advanced, Cancel, Save, MenuEntry,
    MenuNew, MenuSelect, MenuDelete, MenuProperties, MenuShortcut, MenuOptions, MenuSetup,
    MenuSpeed, MenuLanguage, MenuUpdate, MenuHelp, MenuHelpTopics, MenuAbout, MenuRestore,
    LanguageEnglish, LanguageGerman, LanguageChineseSimplified, LanguageChineseTraditional,
    LanguageFrench, LanguageItalian, LanguageSpanish, LanguagePortuguese, LanguageDutch,
    LanguagePortugueseBrazilian, LanguageRussian, LanguageArabic, LanguageSwedish, UnsafeEntryValue,
    BadAccessPointName, BadAddress, BadQosText, PortRoleAtPrimary, PortRoleAtSecondary,
    PortRoleData, PortRoleGps, PortRoleDiagnostics, PortRoleIgnored, AddModemNumberLabel,
    AddModemDeviceLabel, AddModemExplain, AddModemMarksPort, AddModemNoDevice, AddModemBadPath,
    AddModemBadNumber, AddModemNumberTaken, AddModemNumberKept, AddModemAlreadyListed,
    AddModemNotTerminal, AddModemMissing,
    SimAsksPin, SimAsksPuk, SimNotInserted, PhoneNotRegistered, PhoneSearching,
    RegistrationDenied, RoamingNotAllowed, NoSignal, NotAttached, QosSkipped, PinTitle, PinPrompt,
    PinAttemptsLeft, PinRemember, PinRefused, PinNotReady, UnlockingSim, AskingPhone,
    PinLastAttempt, PhoneLocked, BalanceCommand, BalanceTitle, BalanceNoCode, BalanceAsking,
    BalanceNoAnswer, BalanceReplyLabel, BalanceSend, BalanceNotSupported, BalanceEnded, BalanceSave,
    UpdateBadResponse, UpdateUnsafeFileName,
    UpdateNoDiskSpace, UpdateServerSilent, UpdateCannotSave, UpdateConnectionLost, UpdateNotAPackage,
    FromSim, BalanceCodeLabel, SimPortNotOpened, SimPinRequired, SimPukRequired, SimMissing,
    SimNoIdentity, SimNetworkUnknown, SimChooseProvider, BadBalanceCode,
    TestPhone, ReportMaker, ReportModel, ReportFirmware, ReportNetworkCode, ReportSim,
    ReportCircuit, ReportPacket, ReportOperator, ReportSignal, ReportAttach, ReportResult,
    ReportSignalValue, ReportSimStates, ReportRegistrationStates, ReportAttachStates, PhoneReady,
    PhoneSilent, PortHeldBy, RegistrationUnknown, DialGroupsHint,
    AutoReconnect, MonthWithCap, MonthNoCap, TipMonth, LineDropped, LineDroppedAfter, ReconnectIn, ReconnectCanceled,
    AllowanceTitle, AllowanceNearly, AllowanceUsed, AllowanceLabel, AllowanceNone, AllowanceStartDay, TipAllowance,
    ModemManagerReleasing, ModemManagerRefused, ModemManagerTimeout, PhoneUnplugged, WaitingForPhone,
    ReportUsbDevice, TalkingToPhone, PresetDnsTitle, PresetDnsFromNetwork, Yes, No, LockedByPreset,
    HelpNotOpened, NoUpdateServer, ShortcutMade, NothingToDisconnect, NoSuchEntry, ChooseEntryFirst,
    SetupColumnModem, SetupColumnPort, SetupColumnDevice, SleepHangsUp, StartWithDesktop, StartWithDesktopFailed,
    FilesTightened, StatusStillHangingUp, UsageNotSaved,
    DialupNoPermission, DialupInvalidParameter, DialupCannotOpenPhoneBook, DialupCannotFindEntry,
    DialupPortAlreadyOpen, DialupPortNotAvailable, DialupPortDisconnected, DialupHardwareFailure,
    DialupNoDialtone, DialupLineBusy, DialupNoAnswer, DialupNoCarrier, DialupRemoteDisconnection,
    DialupAuthenticationFailure, DialupPppTimeout, DialupPppLcpTerminated, DialupServiceCannotStart,
    DialupPppFatalError, DialupPppOptionError, DialupPppInitScriptFailed, DialupDnsHookMissing,
    DialupDnsHookAlternative, HolderProcess, HolderNamedProcess, ByteUnits, CountryCyrillic, CountryLatin,
    CountryBokmal, CountryNynorsk, CountryInternationalSort, CountryCaribbean, CountryTatarstan,
    HistoryCommand, HistoryTitle, HistoryAllEntries, HistoryColumnStarted, HistoryColumnEntry, HistoryColumnDuration, HistoryColumnReceived, HistoryColumnSent, HistoryColumnOutcome, HistoryHungUp, HistoryDropped, HistoryFailed, HistoryCanceled, HistoryInterrupted, HistoryRunning, CopyDiagnostics, DiagnosticsCopied, HistoryChartTitle, HistoryChartAllowance, Details, HistoryEntryLabel, HistoryEmpty,
};

} // namespace Str
