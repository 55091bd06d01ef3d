<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="1000">
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message id="1001">
        <source>Braxlow takes your computer online through a GPRS mobile phone used as a modem.</source>
        <translation>Braxlow menghubungkan komputer Anda ke internet melalui ponsel GPRS yang digunakan sebagai modem.</translation>
    </message>
    <message id="1002">
        <source>Check for Updates</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message id="1003">
        <source>Add Modem...</source>
        <translation>Tambah Modem...</translation>
    </message>
    <message id="1005">
        <source>Braxlow is already running.</source>
        <translation>Braxlow sudah berjalan.</translation>
    </message>
    <message id="1007">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="1009">
        <source>Remember password</source>
        <translation>Ingat kata sandi</translation>
    </message>
    <message id="1010">
        <source>The update server cannot be reached. Check your Internet connection and try again later.</source>
        <translation>Server pembaruan tidak dapat dijangkau. Periksa koneksi internet Anda dan coba lagi nanti.</translation>
    </message>
    <message id="1012">
        <source>The phone's port is in use by %s. Close %s and try again.</source>
        <translation>Port ponsel sedang digunakan oleh %s. Tutup %s dan coba lagi.</translation>
    </message>
    <message id="1013">
        <source>Current version:</source>
        <translation>Versi saat ini:</translation>
    </message>
    <message id="1015">
        <source>Connection</source>
        <translation>Koneksi</translation>
    </message>
    <message id="1016">
        <source>New...</source>
        <translation>Baru...</translation>
    </message>
    <message id="1017">
        <source>Connection name:</source>
        <translation>Nama koneksi:</translation>
    </message>
    <message id="1018">
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message id="1019">
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message id="1020">
        <source>Access point name (APN):</source>
        <translation>Nama titik akses (APN):</translation>
    </message>
    <message id="1021">
        <source>Phone Setup...</source>
        <translation>Pengaturan Ponsel...</translation>
    </message>
    <message id="1022">
        <source>Shortcut</source>
        <translation>Pintasan</translation>
    </message>
    <message id="1023">
        <source>Country:</source>
        <translation>Negara:</translation>
    </message>
    <message id="1024">
        <source>Network provider:</source>
        <translation>Operator jaringan:</translation>
    </message>
    <message id="1025">
        <source>Select</source>
        <translation>Pilih</translation>
    </message>
    <message id="1026">
        <source>Password:</source>
        <translation>Kata sandi:</translation>
    </message>
    <message id="1027">
        <source>Dial string:</source>
        <translation>Nomor panggil:</translation>
    </message>
    <message id="1028">
        <source>Properties...</source>
        <translation>Properti...</translation>
    </message>
    <message id="1029">
        <source>Connection Entries</source>
        <translation>Entri Koneksi</translation>
    </message>
    <message id="1030">
        <source>Access mode</source>
        <translation>Mode akses</translation>
    </message>
    <message id="1031">
        <source>User name:</source>
        <translation>Nama pengguna:</translation>
    </message>
    <message id="1032">
        <source>The phone's port could not be opened. Check the phone setup.</source>
        <translation>Port ponsel tidak dapat dibuka. Periksa pengaturan ponsel.</translation>
    </message>
    <message id="1033">
        <source>Braxlow could not write to the phone's port.</source>
        <translation>Braxlow tidak dapat menulis ke port ponsel.</translation>
    </message>
    <message id="1034">
        <source>The phone rejected a command or did not answer. Check that the phone is switched on and connected.</source>
        <translation>Ponsel menolak perintah atau tidak menjawab. Pastikan ponsel menyala dan terhubung.</translation>
    </message>
    <message id="1035">
        <source>A connection entry with this name already exists. Please choose another name.</source>
        <translation>Entri koneksi dengan nama ini sudah ada. Silakan pilih nama lain.</translation>
    </message>
    <message id="1036">
        <source>could not connect.</source>
        <translation>tidak dapat tersambung.</translation>
    </message>
    <message id="1037">
        <source>Log On</source>
        <translation>Masuk</translation>
    </message>
    <message id="1039">
        <source>The download is complete. Install the new version now?</source>
        <translation>Unduhan selesai. Pasang versi baru sekarang?</translation>
    </message>
    <message id="1040">
        <source>The update server is busy. Please try again later.</source>
        <translation>Server pembaruan sedang sibuk. Silakan coba lagi nanti.</translation>
    </message>
    <message id="1041">
        <source>You already have the latest version.</source>
        <translation>Anda sudah memiliki versi terbaru.</translation>
    </message>
    <message id="1042">
        <source>The update server reported an error. Please try again later.</source>
        <translation>Server pembaruan melaporkan kesalahan. Silakan coba lagi nanti.</translation>
    </message>
    <message id="1043">
        <source>The update file is not available on the server.</source>
        <translation>Berkas pembaruan tidak tersedia di server.</translation>
    </message>
    <message id="1044">
        <source>Please enter a connection name.</source>
        <translation>Silakan masukkan nama koneksi.</translation>
    </message>
    <message id="1045">
        <source>Available version:</source>
        <translation>Versi yang tersedia:</translation>
    </message>
    <message id="1046">
        <source>This phone does not offer the functions needed for a GPRS connection.</source>
        <translation>Ponsel ini tidak menyediakan fungsi yang diperlukan untuk koneksi GPRS.</translation>
    </message>
    <message id="1047">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="1048">
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message id="1049">
        <source>Subscribed precedence</source>
        <translation>Presedensi sesuai langganan</translation>
    </message>
    <message id="1050">
        <source>Subscribed reliability class</source>
        <translation>Kelas keandalan sesuai langganan</translation>
    </message>
    <message id="1051">
        <source>Acknowledged GTP, LLC, and RLC; Protected data</source>
        <translation>GTP, LLC, dan RLC terkonfirmasi; data terlindungi</translation>
    </message>
    <message id="1052">
        <source>Unacknowledged GTP; Acknowledged LLC and RLC, Protected data</source>
        <translation>GTP tanpa konfirmasi; LLC dan RLC terkonfirmasi, data terlindungi</translation>
    </message>
    <message id="1053">
        <source>Unacknowledged GTP and LLC; Acknowledged RLC, Protected data</source>
        <translation>GTP dan LLC tanpa konfirmasi; RLC terkonfirmasi, data terlindungi</translation>
    </message>
    <message id="1054">
        <source>Unacknowledged GTP, LLC, and RLC, Protected data</source>
        <translation>GTP, LLC, dan RLC tanpa konfirmasi, data terlindungi</translation>
    </message>
    <message id="1055">
        <source>Unacknowledged GTP, LLC, and RLC, Unprotected data</source>
        <translation>GTP, LLC, dan RLC tanpa konfirmasi, data tidak terlindungi</translation>
    </message>
    <message id="1056">
        <source>Subscribed peak throughput</source>
        <translation>Throughput puncak sesuai langganan</translation>
    </message>
    <message id="1057">
        <source>Up to 1 000 octets/s</source>
        <translation>Hingga 1 000 oktet/s</translation>
    </message>
    <message id="1058">
        <source>Up to 2 000 octets/s</source>
        <translation>Hingga 2 000 oktet/s</translation>
    </message>
    <message id="1059">
        <source>Up to 4 000 octets/s</source>
        <translation>Hingga 4 000 oktet/s</translation>
    </message>
    <message id="1060">
        <source>High priority</source>
        <translation>Prioritas tinggi</translation>
    </message>
    <message id="1061">
        <source>Up to 8 000 octets/s</source>
        <translation>Hingga 8 000 oktet/s</translation>
    </message>
    <message id="1062">
        <source>Up to 16 000 octets/s</source>
        <translation>Hingga 16 000 oktet/s</translation>
    </message>
    <message id="1063">
        <source>Up to 32 000 octets/s</source>
        <translation>Hingga 32 000 oktet/s</translation>
    </message>
    <message id="1064">
        <source>Up to 64 000 octets/s</source>
        <translation>Hingga 64 000 oktet/s</translation>
    </message>
    <message id="1065">
        <source>Up to 128 000 octets/s</source>
        <translation>Hingga 128 000 oktet/s</translation>
    </message>
    <message id="1066">
        <source>Up to 256 000 octets/s</source>
        <translation>Hingga 256 000 oktet/s</translation>
    </message>
    <message id="1067">
        <source>Subscribed mean throughput</source>
        <translation>Throughput rata-rata sesuai langganan</translation>
    </message>
    <message id="1068">
        <source>100 octets/h</source>
        <translation>100 oktet/h</translation>
    </message>
    <message id="1069">
        <source>200 octets/h</source>
        <translation>200 oktet/h</translation>
    </message>
    <message id="1070">
        <source>500 octets/h</source>
        <translation>500 oktet/h</translation>
    </message>
    <message id="1071">
        <source>Normal priority</source>
        <translation>Prioritas normal</translation>
    </message>
    <message id="1072">
        <source>1 000 octets/h</source>
        <translation>1 000 oktet/h</translation>
    </message>
    <message id="1073">
        <source>2 000 octets/h</source>
        <translation>2 000 oktet/h</translation>
    </message>
    <message id="1074">
        <source>5 000 octets/h</source>
        <translation>5 000 oktet/h</translation>
    </message>
    <message id="1075">
        <source>10 000 octets/h</source>
        <translation>10 000 oktet/h</translation>
    </message>
    <message id="1076">
        <source>20 000 octets/h</source>
        <translation>20 000 oktet/h</translation>
    </message>
    <message id="1077">
        <source>50 000 octets/h</source>
        <translation>50 000 oktet/h</translation>
    </message>
    <message id="1078">
        <source>100 000 octets/h</source>
        <translation>100 000 oktet/h</translation>
    </message>
    <message id="1079">
        <source>200 000 octets/h</source>
        <translation>200 000 oktet/h</translation>
    </message>
    <message id="1080">
        <source>500 000 octets/h</source>
        <translation>500 000 oktet/h</translation>
    </message>
    <message id="1081">
        <source>1 000 000 octets/h</source>
        <translation>1 000 000 oktet/h</translation>
    </message>
    <message id="1082">
        <source>Low priority</source>
        <translation>Prioritas rendah</translation>
    </message>
    <message id="1083">
        <source>2 000 000 octets/h</source>
        <translation>2 000 000 oktet/h</translation>
    </message>
    <message id="1084">
        <source>5 000 000 octets/h</source>
        <translation>5 000 000 oktet/h</translation>
    </message>
    <message id="1085">
        <source>10 000 000 octets/h</source>
        <translation>10 000 000 oktet/h</translation>
    </message>
    <message id="1086">
        <source>20 000 000 octets/h</source>
        <translation>20 000 000 oktet/h</translation>
    </message>
    <message id="1087">
        <source>50 000 000 octets/h</source>
        <translation>50 000 000 oktet/h</translation>
    </message>
    <message id="1088">
        <source>Best effort</source>
        <translation>Tanpa jaminan</translation>
    </message>
    <message id="1089">
        <source>Subscribed delay class</source>
        <translation>Kelas tunda sesuai langganan</translation>
    </message>
    <message id="1090">
        <source>Delay class 1</source>
        <translation>Kelas tunda 1</translation>
    </message>
    <message id="1091">
        <source>Delay class 2</source>
        <translation>Kelas tunda 2</translation>
    </message>
    <message id="1092">
        <source>Delay class 3</source>
        <translation>Kelas tunda 3</translation>
    </message>
    <message id="1093">
        <source>Delay class 4 (best effort)</source>
        <translation>Kelas tunda 4 (tanpa jaminan)</translation>
    </message>
    <message id="1094">
        <source>Delay class:</source>
        <translation>Kelas tunda:</translation>
    </message>
    <message id="1095">
        <source>Mean throughput:</source>
        <translation>Throughput rata-rata:</translation>
    </message>
    <message id="1096">
        <source>Peak throughput:</source>
        <translation>Throughput puncak:</translation>
    </message>
    <message id="1097">
        <source>Precedence:</source>
        <translation>Presedensi:</translation>
    </message>
    <message id="1098">
        <source>Reliability class:</source>
        <translation>Kelas keandalan:</translation>
    </message>
    <message id="1099">
        <source>Obtain DNS server addresses automatically</source>
        <translation>Dapatkan alamat server DNS secara otomatis</translation>
    </message>
    <message id="1100">
        <source>Use the following DNS server addresses:</source>
        <translation>Gunakan alamat server DNS berikut:</translation>
    </message>
    <message id="1101">
        <source>Obtain an IP address automatically</source>
        <translation>Dapatkan alamat IP secara otomatis</translation>
    </message>
    <message id="1102">
        <source>Use the following IP address:</source>
        <translation>Gunakan alamat IP berikut:</translation>
    </message>
    <message id="1103">
        <source>Alternate DNS server:</source>
        <translation>Server DNS alternatif:</translation>
    </message>
    <message id="1104">
        <source>Preferred DNS server:</source>
        <translation>Server DNS pilihan:</translation>
    </message>
    <message id="1105">
        <source>IP address:</source>
        <translation>Alamat IP:</translation>
    </message>
    <message id="1106">
        <source>DNS servers</source>
        <translation>Server DNS</translation>
    </message>
    <message id="1107">
        <source>IP address</source>
        <translation>Alamat IP</translation>
    </message>
    <message id="1108">
        <source>The access point name your provider gave you, for example "internet".</source>
        <translation>Nama titik akses yang diberikan operator Anda, misalnya "internet".</translation>
    </message>
    <message id="1109">
        <source>A name of your choice for this connection entry.</source>
        <translation>Nama pilihan Anda untuk entri koneksi ini.</translation>
    </message>
    <message id="1110">
        <source>The country of your network provider. Choose [Others] to see every country.</source>
        <translation>Negara operator jaringan Anda. Pilih [Others] untuk melihat semua negara.</translation>
    </message>
    <message id="1111">
        <source>The password for the GPRS access, if your provider needs one.</source>
        <translation>Kata sandi untuk akses GPRS, jika operator Anda memerlukannya.</translation>
    </message>
    <message id="1112">
        <source>The number the phone dials for GPRS, usually *99# or *99**1*1#. The digit after ** is the context number.</source>
        <translation>Nomor yang dipanggil ponsel untuk GPRS, biasanya *99# atau *99**1*1#. Angka setelah ** adalah nomor konteks.</translation>
    </message>
    <message id="1113">
        <source>Your network provider. Choose [Others] to type all settings yourself.</source>
        <translation>Operator jaringan Anda. Pilih [Others] untuk mengetik sendiri semua pengaturan.</translation>
    </message>
    <message id="1114">
        <source>The user name for the GPRS access, if your provider needs one.</source>
        <translation>Nama pengguna untuk akses GPRS, jika operator Anda memerlukannya.</translation>
    </message>
    <message id="1115">
        <source>Connect</source>
        <translation>Sambungkan</translation>
    </message>
    <message id="1116">
        <source>Disconnect</source>
        <translation>Putuskan</translation>
    </message>
    <message id="1117">
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message id="1118">
        <source>The phone could not be prepared for the connection.</source>
        <translation>Ponsel tidak dapat disiapkan untuk koneksi.</translation>
    </message>
    <message id="1120">
        <source>The connection has ended.</source>
        <translation>Koneksi telah berakhir.</translation>
    </message>
    <message id="1124">
        <source>The dial-up entry could not be set up.</source>
        <translation>Entri dial-up tidak dapat disiapkan.</translation>
    </message>
    <message id="1127">
        <source>The shortcut could not be created.</source>
        <translation>Pintasan tidak dapat dibuat.</translation>
    </message>
    <message id="1130">
        <source>Braxlow is connected. Disconnect now?</source>
        <translation>Braxlow sedang tersambung. Putuskan sekarang?</translation>
    </message>
    <message id="1131">
        <source>Not ready: the dial-up entry could not be made. Check the phone setup.</source>
        <translation>Belum siap: entri dial-up tidak dapat dibuat. Periksa pengaturan ponsel.</translation>
    </message>
    <message id="1132">
        <source>Ready</source>
        <translation>Siap</translation>
    </message>
    <message id="1133">
        <source>Entries</source>
        <translation>Entri</translation>
    </message>
    <message id="1134">
        <source>Minimum QoS</source>
        <translation>QoS minimum</translation>
    </message>
    <message id="1135">
        <source>Requested QoS</source>
        <translation>QoS yang diminta</translation>
    </message>
    <message id="1136">
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message id="1137">
        <source>Connected</source>
        <translation>Tersambung</translation>
    </message>
    <message id="1139">
        <source>Waiting for the callback request...</source>
        <translation>Menunggu permintaan panggilan balik...</translation>
    </message>
    <message id="1141">
        <source>Registering your computer on the network...</source>
        <translation>Mendaftarkan komputer Anda di jaringan...</translation>
    </message>
    <message id="1142">
        <source>Measuring the link speed...</source>
        <translation>Mengukur kecepatan tautan...</translation>
    </message>
    <message id="1143">
        <source>Authentication acknowledged...</source>
        <translation>Autentikasi diterima...</translation>
    </message>
    <message id="1144">
        <source>Authenticating again...</source>
        <translation>Mengautentikasi ulang...</translation>
    </message>
    <message id="1145">
        <source>Authenticated</source>
        <translation>Terautentikasi</translation>
    </message>
    <message id="1146">
        <source>Preparing for callback...</source>
        <translation>Menyiapkan panggilan balik...</translation>
    </message>
    <message id="1147">
        <source>Waiting for the phone to reset...</source>
        <translation>Menunggu ponsel diatur ulang...</translation>
    </message>
    <message id="1148">
        <source>Disconnected</source>
        <translation>Terputus</translation>
    </message>
    <message id="1149">
        <source>Negotiating the connection...</source>
        <translation>Menegosiasikan koneksi...</translation>
    </message>
    <message id="1153">
        <source>Logging on to the network...</source>
        <translation>Masuk ke jaringan...</translation>
    </message>
    <message id="1154">
        <source>Link connected</source>
        <translation>Tautan tersambung</translation>
    </message>
    <message id="1155">
        <source>Link disconnected</source>
        <translation>Tautan terputus</translation>
    </message>
    <message id="1159">
        <source>Opening the port...</source>
        <translation>Membuka port...</translation>
    </message>
    <message id="1161">
        <source>No connection entry has been selected yet. Close the window anyway?</source>
        <translation>Belum ada entri koneksi yang dipilih. Tetap tutup jendela?</translation>
    </message>
    <message id="1162">
        <source>Delete the selected connection entry?</source>
        <translation>Hapus entri koneksi yang dipilih?</translation>
    </message>
    <message id="1163">
        <source>Port opened</source>
        <translation>Port terbuka</translation>
    </message>
    <message id="1164">
        <source>Connecting to the phone...</source>
        <translation>Menghubungkan ke ponsel...</translation>
    </message>
    <message id="1165">
        <source>Phone connected, starting the link...</source>
        <translation>Ponsel terhubung, memulai tautan...</translation>
    </message>
    <message id="1167">
        <source>Verifying user name and password...</source>
        <translation>Memverifikasi nama pengguna dan kata sandi...</translation>
    </message>
    <message id="1168">
        <source>Retrying authentication...</source>
        <translation>Mencoba autentikasi lagi...</translation>
    </message>
    <message id="1169">
        <source>Advanced...</source>
        <translation>Lanjutan...</translation>
    </message>
    <message id="1170">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="1172">
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message id="2001">
        <source>&amp;Entry</source>
        <translation>&amp;Entri</translation>
    </message>
    <message id="2002">
        <source>&amp;New...</source>
        <translation>&amp;Baru...</translation>
    </message>
    <message id="2003">
        <source>&amp;Select</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message id="2004">
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message id="2005">
        <source>&amp;Properties...</source>
        <translation>P&amp;roperti...</translation>
    </message>
    <message id="2006">
        <source>Short&amp;cut</source>
        <translation>Pinta&amp;san</translation>
    </message>
    <message id="2010">
        <source>&amp;Options</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message id="2011">
        <source>&amp;Phone Setup...</source>
        <translation>&amp;Pengaturan Ponsel...</translation>
    </message>
    <message id="2012">
        <source>Port &amp;Speed</source>
        <translation>&amp;Kecepatan Port</translation>
    </message>
    <message id="2013">
        <source>&amp;Language</source>
        <translation>&amp;Bahasa</translation>
    </message>
    <message id="2014">
        <source>Check for &amp;Updates...</source>
        <translation>Periksa Pemba&amp;ruan...</translation>
    </message>
    <message id="2020">
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message id="2021">
        <source>&amp;Help Topics</source>
        <translation>&amp;Topik Bantuan</translation>
    </message>
    <message id="2022">
        <source>&amp;About Braxlow...</source>
        <translation>Tent&amp;ang Braxlow...</translation>
    </message>
    <message id="2023">
        <source>&amp;Show Window</source>
        <translation>&amp;Tampilkan Jendela</translation>
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
        <translation>Entri koneksi ini tidak dapat dikirim ke ponsel: kolom "%1" berisi karakter yang tidak diterima ponsel dalam perintah (seperti tanda kutip, garis miring terbalik, atau pemisah baris). Perbaiki entri, lalu sambungkan lagi.</translation>
    </message>
    <message id="3002">
        <source>The field "%1" may hold only the letters A to Z, digits, hyphens and dots. Correct it, then save again.</source>
        <translation>Kolom "%1" hanya boleh berisi huruf A sampai Z, angka, tanda hubung, dan titik. Perbaiki, lalu simpan lagi.</translation>
    </message>
    <message id="3003">
        <source>The field "%1" must be an address of four numbers from 0 to 255 joined by dots, such as 10.0.0.1. Correct it, then save again.</source>
        <translation>Kolom "%1" harus berupa alamat berisi empat angka dari 0 sampai 255 yang dipisahkan titik, misalnya 10.0.0.1. Perbaiki, lalu simpan lagi.</translation>
    </message>
    <message id="3004">
        <source>The field "%1" must be six numbers joined by commas, such as 1,0,0,3,0,0. Choose the profile again on that page, then save again.</source>
        <translation>Kolom "%1" harus berupa enam angka yang dipisahkan koma, misalnya 1,0,0,3,0,0. Pilih ulang profil di halaman tersebut, lalu simpan lagi.</translation>
    </message>
    <message id="3010">
        <source>The update server sent an answer that cannot be read. Please try again later.</source>
        <translation>Server pembaruan mengirim jawaban yang tidak dapat dibaca. Silakan coba lagi nanti.</translation>
    </message>
    <message id="3011">
        <source>The update server offered a file name that is not a plain file name. The download was refused.</source>
        <translation>Server pembaruan menawarkan nama berkas yang bukan nama berkas biasa. Unduhan ditolak.</translation>
    </message>
    <message id="3012">
        <source>There is not enough free disk space for the update file.</source>
        <translation>Ruang disk kosong tidak cukup untuk berkas pembaruan.</translation>
    </message>
    <message id="3013">
        <source>The update server stopped sending. The download was stopped; please try again later.</source>
        <translation>Server pembaruan berhenti mengirim. Unduhan dihentikan; silakan coba lagi nanti.</translation>
    </message>
    <message id="3014">
        <source>The update file cannot be saved in the download folder.</source>
        <translation>Berkas pembaruan tidak dapat disimpan di folder unduhan.</translation>
    </message>
    <message id="3015">
        <source>The connection to the update server ended before the file was complete. Please try again later.</source>
        <translation>Koneksi ke server pembaruan berakhir sebelum berkas selesai. Silakan coba lagi nanti.</translation>
    </message>
    <message id="3016">
        <source>%1 is not an installation package for this system, so Braxlow does not open it. The folder that holds it is shown instead.</source>
        <translation>%1 bukan paket instalasi untuk sistem ini, jadi Braxlow tidak membukanya. Sebagai gantinya, folder yang memuatnya ditampilkan.</translation>
    </message>
    <message id="3020">
        <source>main AT port</source>
        <translation>port AT utama</translation>
    </message>
    <message id="3021">
        <source>second AT port</source>
        <translation>port AT kedua</translation>
    </message>
    <message id="3022">
        <source>data port</source>
        <translation>port data</translation>
    </message>
    <message id="3023">
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message id="3024">
        <source>diagnostics</source>
        <translation>diagnostik</translation>
    </message>
    <message id="3025">
        <source>not for dialing</source>
        <translation>bukan untuk panggilan</translation>
    </message>
    <message id="3030">
        <source>Port number:</source>
        <translation>Nomor port:</translation>
    </message>
    <message id="3031">
        <source>Device:</source>
        <translation>Perangkat:</translation>
    </message>
    <message id="3032">
        <source>Choose the serial port your phone is connected to, or type the device of a Bluetooth phone, for example /dev/rfcomm0.</source>
        <translation>Pilih port serial tempat ponsel Anda terhubung, atau ketik perangkat ponsel Bluetooth, misalnya /dev/rfcomm0.</translation>
    </message>
    <message id="3033">
        <source>This port is COM%1. It will be listed as your phone.</source>
        <translation>Port ini adalah COM%1. Port ini akan dicantumkan sebagai ponsel Anda.</translation>
    </message>
    <message id="3040">
        <source>Choose or type the device your phone is connected to, for example /dev/rfcomm0.</source>
        <translation>Pilih atau ketik perangkat tempat ponsel Anda terhubung, misalnya /dev/rfcomm0.</translation>
    </message>
    <message id="3041">
        <source>The device must be given as a full path such as /dev/rfcomm0, without ';' or control characters.</source>
        <translation>Perangkat harus ditulis sebagai path lengkap seperti /dev/rfcomm0, tanpa ';' atau karakter kontrol.</translation>
    </message>
    <message id="3042">
        <source>Choose a port number from 1 to 255.</source>
        <translation>Pilih nomor port dari 1 sampai 255.</translation>
    </message>
    <message id="3043">
        <source>COM%1 is already used by %2. Choose another port number.</source>
        <translation>COM%1 sudah digunakan oleh %2. Pilih nomor port lain.</translation>
    </message>
    <message id="3044">
        <source>COM%1 is kept for a device that is not connected now. Choose another port number.</source>
        <translation>COM%1 dicadangkan untuk perangkat yang saat ini tidak terhubung. Pilih nomor port lain.</translation>
    </message>
    <message id="3045">
        <source>%1 is already listed as a modem on COM%2.</source>
        <translation>%1 sudah tercantum sebagai modem di COM%2.</translation>
    </message>
    <message id="3046">
        <source>%1 cannot be used for a phone. It must be a serial port, modem or Bluetooth port. (%2)</source>
        <translation>%1 tidak dapat digunakan untuk ponsel. Perangkat ini harus berupa port serial, modem, atau port Bluetooth. (%2)</translation>
    </message>
    <message id="3047">
        <source>%1 does not exist. Connect the phone, or bind its Bluetooth port, then add it again.</source>
        <translation>%1 tidak ada. Hubungkan ponsel, atau ikat (bind) port Bluetooth-nya, lalu tambahkan lagi.</translation>
    </message>
    <message id="3050">
        <source>The SIM card asks for its PIN. Connect again and enter the PIN when asked.</source>
        <translation>Kartu SIM meminta PIN-nya. Sambungkan lagi dan masukkan PIN saat diminta.</translation>
    </message>
    <message id="3051">
        <source>The SIM card is blocked after three wrong PINs and asks for its PUK. Unblock it in a phone with the PUK from your provider; Braxlow never sends a PUK.</source>
        <translation>Kartu SIM terblokir setelah tiga kali PIN salah dan meminta PUK-nya. Buka blokirnya di ponsel dengan PUK dari operator Anda; Braxlow tidak pernah mengirim PUK.</translation>
    </message>
    <message id="3052">
        <source>The phone has no SIM card, or cannot read it. Insert the SIM card, restart the phone and try again.</source>
        <translation>Ponsel tidak memiliki kartu SIM, atau tidak dapat membacanya. Pasang kartu SIM, mulai ulang ponsel, lalu coba lagi.</translation>
    </message>
    <message id="3053">
        <source>The phone is not registered with a network and is not looking for one. Check that its radio is on (not in flight mode).</source>
        <translation>Ponsel tidak terdaftar di jaringan mana pun dan tidak sedang mencari jaringan. Pastikan radio ponsel menyala (tidak dalam mode pesawat).</translation>
    </message>
    <message id="3054">
        <source>The phone is still looking for a network. Wait a moment and try again.</source>
        <translation>Ponsel masih mencari jaringan. Tunggu sebentar, lalu coba lagi.</translation>
    </message>
    <message id="3055">
        <source>The network refused to register the phone. Ask your provider whether the SIM card is active.</source>
        <translation>Jaringan menolak pendaftaran ponsel. Tanyakan kepada operator Anda apakah kartu SIM sudah aktif.</translation>
    </message>
    <message id="3056">
        <source>The network does not allow this SIM card here (roaming not allowed). Choose another network on the phone, or ask your provider.</source>
        <translation>Jaringan tidak mengizinkan kartu SIM ini di sini (roaming tidak diizinkan). Pilih jaringan lain di ponsel, atau tanyakan kepada operator Anda.</translation>
    </message>
    <message id="3057">
        <source>The phone has no signal. Move to a place with better reception and try again.</source>
        <translation>Ponsel tidak mendapat sinyal. Pindah ke tempat dengan penerimaan sinyal yang lebih baik, lalu coba lagi.</translation>
    </message>
    <message id="3058">
        <source>The phone is registered but not attached to packet data (GPRS). Check that your subscription includes mobile data.</source>
        <translation>Ponsel terdaftar tetapi tidak terhubung ke data paket (GPRS). Pastikan langganan Anda mencakup data seluler.</translation>
    </message>
    <message id="3059">
        <source>The phone does not know the QoS commands; the network's defaults apply.</source>
        <translation>Ponsel tidak mengenali perintah QoS; pengaturan bawaan jaringan yang berlaku.</translation>
    </message>
    <message id="3060">
        <source>SIM PIN</source>
        <translation>PIN SIM</translation>
    </message>
    <message id="3061">
        <source>The SIM card in the phone is locked. Enter its PIN (4 to 8 digits):</source>
        <translation>Kartu SIM di ponsel terkunci. Masukkan PIN-nya (4 sampai 8 angka):</translation>
    </message>
    <message id="3062">
        <source>Attempts left: %1</source>
        <translation>Sisa percobaan: %1</translation>
    </message>
    <message id="3063">
        <source>Remember the PIN for this entry</source>
        <translation>Ingat PIN untuk entri ini</translation>
    </message>
    <message id="3064">
        <source>The phone did not accept the PIN. Braxlow does not try again by itself, so the SIM card is not blocked: check the PIN and connect again.</source>
        <translation>Ponsel tidak menerima PIN. Braxlow tidak mencoba lagi dengan sendirinya, sehingga kartu SIM tidak terblokir: periksa PIN, lalu sambungkan lagi.</translation>
    </message>
    <message id="3065">
        <source>The SIM card did not become ready after the PIN. Wait a moment and connect again.</source>
        <translation>Kartu SIM tidak menjadi siap setelah PIN dimasukkan. Tunggu sebentar, lalu sambungkan lagi.</translation>
    </message>
    <message id="3066">
        <source>Unlocking the SIM card...</source>
        <translation>Membuka kunci kartu SIM...</translation>
    </message>
    <message id="3067">
        <source>Asking the phone what is wrong...</source>
        <translation>Menanyakan masalahnya kepada ponsel...</translation>
    </message>
    <message id="3068">
        <source>Only one attempt is left: a wrong PIN now blocks the SIM card.</source>
        <translation>Hanya tersisa satu percobaan: PIN yang salah sekarang akan memblokir kartu SIM.</translation>
    </message>
    <message id="3069">
        <source>The phone itself is locked (a phone code, not the SIM PIN). Unlock it on the phone and try again.</source>
        <translation>Ponsel itu sendiri terkunci (kode ponsel, bukan PIN SIM). Buka kuncinya di ponsel, lalu coba lagi.</translation>
    </message>
    <message id="3070">
        <source>Check Balance...</source>
        <translation>Periksa Pulsa...</translation>
    </message>
    <message id="3071">
        <source>Prepaid Balance</source>
        <translation>Pulsa Prabayar</translation>
    </message>
    <message id="3072">
        <source>This entry has no balance code. Enter your provider's code (for example *100#) in the entry's settings.</source>
        <translation>Entri ini tidak memiliki kode pulsa. Masukkan kode dari operator Anda (misalnya *100#) di pengaturan entri.</translation>
    </message>
    <message id="3073">
        <source>Asking the network...</source>
        <translation>Menanyakan ke jaringan...</translation>
    </message>
    <message id="3074">
        <source>The network did not answer. Try again later.</source>
        <translation>Jaringan tidak menjawab. Coba lagi nanti.</translation>
    </message>
    <message id="3075">
        <source>Reply:</source>
        <translation>Balasan:</translation>
    </message>
    <message id="3076">
        <source>Send</source>
        <translation>Kirim</translation>
    </message>
    <message id="3077">
        <source>The network does not support this code.</source>
        <translation>Jaringan tidak mendukung kode ini.</translation>
    </message>
    <message id="3078">
        <source>The network has ended the session.</source>
        <translation>Jaringan telah mengakhiri sesi.</translation>
    </message>
    <message id="3079">
        <source>Save...</source>
        <translation>Simpan...</translation>
    </message>
    <message id="3090">
        <source>From SIM</source>
        <translation>Dari SIM</translation>
    </message>
    <message id="3091">
        <source>Balance code:</source>
        <translation>Kode pulsa:</translation>
    </message>
    <message id="3092">
        <source>The phone's port cannot be opened. Check that the phone is connected and that no other program uses its port.</source>
        <translation>Port ponsel tidak dapat dibuka. Pastikan ponsel terhubung dan tidak ada program lain yang menggunakan port-nya.</translation>
    </message>
    <message id="3093">
        <source>The SIM asks for its PIN. Enter the PIN on the phone, then try again.</source>
        <translation>Kartu SIM meminta PIN-nya. Masukkan PIN di ponsel, lalu coba lagi.</translation>
    </message>
    <message id="3094">
        <source>The SIM is locked and asks for its PUK. Unlock it on the phone, then try again.</source>
        <translation>Kartu SIM terkunci dan meminta PUK-nya. Buka kuncinya di ponsel, lalu coba lagi.</translation>
    </message>
    <message id="3095">
        <source>The phone has no SIM card. Insert the SIM card, then try again.</source>
        <translation>Ponsel tidak memiliki kartu SIM. Pasang kartu SIM, lalu coba lagi.</translation>
    </message>
    <message id="3096">
        <source>The phone did not tell the SIM's identity. Choose the country and provider yourself.</source>
        <translation>Ponsel tidak memberitahukan identitas SIM. Pilih sendiri negara dan operator jaringan.</translation>
    </message>
    <message id="3097">
        <source>The SIM's network code %1 is not in the provider list. Choose the country and provider yourself.</source>
        <translation>Kode jaringan %1 dari SIM tidak ada dalam daftar operator. Pilih sendiri negara dan operator jaringan.</translation>
    </message>
    <message id="3098">
        <source>The SIM's network has several presets. Choose one:</source>
        <translation>Jaringan SIM memiliki beberapa prasetel. Pilih salah satu:</translation>
    </message>
    <message id="3099">
        <source>The field "%1" may hold only digits, *, # and +, at most 32 characters, such as *100#. Correct it, then save again.</source>
        <translation>Kolom "%1" hanya boleh berisi angka, *, #, dan +, paling banyak 32 karakter, misalnya *100#. Perbaiki, lalu simpan lagi.</translation>
    </message>
    <message id="3100">
        <source>Test the Phone</source>
        <translation>Uji Ponsel</translation>
    </message>
    <message id="3101">
        <source>Maker:</source>
        <translation>Produsen:</translation>
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
        <translation>Kode jaringan (MCC/MNC):</translation>
    </message>
    <message id="3105">
        <source>SIM card:</source>
        <translation>Kartu SIM:</translation>
    </message>
    <message id="3106">
        <source>Network registration:</source>
        <translation>Registrasi jaringan:</translation>
    </message>
    <message id="3107">
        <source>Packet data registration:</source>
        <translation>Registrasi data paket:</translation>
    </message>
    <message id="3108">
        <source>Current network:</source>
        <translation>Jaringan saat ini:</translation>
    </message>
    <message id="3109">
        <source>Signal:</source>
        <translation>Sinyal:</translation>
    </message>
    <message id="3110">
        <source>Packet data (GPRS):</source>
        <translation>Data paket (GPRS):</translation>
    </message>
    <message id="3111">
        <source>Result:</source>
        <translation>Hasil:</translation>
    </message>
    <message id="3112">
        <source>%1 dBm (%2 of 4 bars)</source>
        <translation>%1 dBm (%2 dari 4 bar)</translation>
    </message>
    <message id="3113">
        <source>Unknown|Ready|PIN required|PUK required|No SIM card|Locked</source>
        <translation>Tidak diketahui|Siap|Perlu PIN|Perlu PUK|Tidak ada kartu SIM|Terkunci</translation>
    </message>
    <message id="3114">
        <source>Not registered|Home network|Searching|Refused|Unknown|Roaming</source>
        <translation>Tidak terdaftar|Jaringan asal|Mencari|Ditolak|Tidak diketahui|Roaming</translation>
    </message>
    <message id="3115">
        <source>Not attached|Attached</source>
        <translation>Tidak terhubung|Terhubung</translation>
    </message>
    <message id="3116">
        <source>The phone is ready for a connection.</source>
        <translation>Ponsel siap untuk koneksi.</translation>
    </message>
    <message id="3117">
        <source>The phone did not answer. Check that it is switched on and connected, and that the right port is chosen.</source>
        <translation>Ponsel tidak menjawab. Pastikan ponsel menyala dan terhubung, serta port yang benar telah dipilih.</translation>
    </message>
    <message id="3118">
        <source>%1 (%2) is in use by %3 (process %4).</source>
        <translation>%1 (%2) sedang digunakan oleh %3 (proses %4).</translation>
    </message>
    <message id="3119">
        <source>The phone does not say whether it is registered with a network; a connection may fail.</source>
        <translation>Ponsel tidak memberi tahu apakah sudah terdaftar di jaringan; koneksi mungkin gagal.</translation>
    </message>
    <message id="3120">
        <source>To dial, your user must be a member of the groups %1. Ask your administrator, or run "sudo adduser $USER dip" and "sudo adduser $USER dialout", then log in again.</source>
        <translation>Untuk memanggil, pengguna Anda harus menjadi anggota grup %1. Hubungi administrator, atau jalankan "sudo adduser $USER dip" dan "sudo adduser $USER dialout", lalu masuk kembali.</translation>
    </message>
    <message id="3121">
        <source>Reconnect Automatically</source>
        <translation>Sambungkan Ulang Otomatis</translation>
    </message>
    <message id="3122">
        <source>This month: %1 of %2 MB (%3%)</source>
        <translation>Bulan ini: %1 dari %2 MB (%3%)</translation>
    </message>
    <message id="3123">
        <source>This month: %1</source>
        <translation>Bulan ini: %1</translation>
    </message>
    <message id="3124">
        <source>Month: %1% of %2 MB</source>
        <translation>Bulan: %1% dari %2 MB</translation>
    </message>
    <message id="3125">
        <source>The connection dropped</source>
        <translation>Koneksi terputus</translation>
    </message>
    <message id="3126">
        <source>It was up for %1.</source>
        <translation>Koneksi aktif selama %1.</translation>
    </message>
    <message id="3127">
        <source>Dialing again in %1 s. Click Disconnect to cancel.</source>
        <translation>Memanggil ulang dalam %1 detik. Klik "Putuskan" untuk membatalkan.</translation>
    </message>
    <message id="3128">
        <source>Dialing again was canceled.</source>
        <translation>Panggilan ulang dibatalkan.</translation>
    </message>
    <message id="3129">
        <source>Data allowance</source>
        <translation>Kuota data</translation>
    </message>
    <message id="3130">
        <source>%1% of this month's %2 MB have been used.</source>
        <translation>%1% dari kuota %2 MB bulan ini telah terpakai.</translation>
    </message>
    <message id="3131">
        <source>This month's %1 MB have been used up. Braxlow stays connected; further data may cost extra.</source>
        <translation>Kuota %1 MB bulan ini telah habis. Braxlow tetap tersambung; pemakaian data selanjutnya mungkin dikenai biaya tambahan.</translation>
    </message>
    <message id="3132">
        <source>Monthly allowance:</source>
        <translation>Kuota bulanan:</translation>
    </message>
    <message id="3133">
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message id="3134">
        <source>from day</source>
        <translation>mulai tanggal</translation>
    </message>
    <message id="3135">
        <source>The data your plan allows each month, counted in both directions, and the day its month starts. Braxlow warns at 80% and 100% and never disconnects for it.</source>
        <translation>Data yang diizinkan paket Anda setiap bulan, dihitung dua arah, dan tanggal dimulainya bulan paket. Braxlow memberi peringatan pada 80% dan 100% dan tidak pernah memutus koneksi karenanya.</translation>
    </message>
    <message id="3150">
        <source>Asking ModemManager to let go of the phone...</source>
        <translation>Meminta ModemManager melepaskan ponsel...</translation>
    </message>
    <message id="3151">
        <source>ModemManager did not let Braxlow use the phone: %1
An administrator can allow it for the group dip with install-ppp-access.</source>
        <translation>ModemManager tidak mengizinkan Braxlow menggunakan ponsel: %1
Administrator dapat mengizinkannya untuk grup dip dengan install-ppp-access.</translation>
    </message>
    <message id="3152">
        <source>ModemManager did not let go of the phone in time. Try again in a moment.</source>
        <translation>ModemManager tidak melepaskan ponsel tepat waktu. Coba lagi sebentar lagi.</translation>
    </message>
    <message id="3153">
        <source>The phone was disconnected from the computer. Plug it in again, then connect.</source>
        <translation>Ponsel terputus dari komputer. Pasang kembali, lalu sambungkan.</translation>
    </message>
    <message id="3154">
        <source>Waiting for the phone to be plugged in again...</source>
        <translation>Menunggu ponsel dipasang kembali...</translation>
    </message>
    <message id="3155">
        <source>USB device:</source>
        <translation>Perangkat USB:</translation>
    </message>
    <message id="3160">
        <source>Talking to the phone...</source>
        <translation>Berkomunikasi dengan ponsel...</translation>
    </message>
    <message id="3161">
        <source>DNS servers from the network</source>
        <translation>Server DNS dari jaringan</translation>
    </message>
    <message id="3162">
        <source>The preset's DNS servers need Braxlow's DNS hook, which is not installed, so the network's own are used. To install it: sudo scripts/install-ppp-access</source>
        <translation>Server DNS dari prasetel memerlukan hook DNS Braxlow, yang belum terpasang, sehingga server dari jaringan yang dipakai. Untuk memasangnya: sudo scripts/install-ppp-access</translation>
    </message>
    <message id="3163">
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message id="3164">
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message id="3165">
        <source>Filled in from the provider's preset. To type your own, choose [Others] as the network provider.</source>
        <translation>Diisi dari prasetel operator. Untuk mengetik nilai sendiri, pilih [Others] sebagai operator jaringan.</translation>
    </message>
    <message id="3166">
        <source>The help page could not be shown: no program for web pages was found. The page is %1.</source>
        <translation>Halaman bantuan tidak dapat ditampilkan: tidak ditemukan program untuk halaman web. Halamannya adalah %1.</translation>
    </message>
    <message id="3167">
        <source>No update server is set, so Braxlow cannot look for updates. A publisher names one as UpdateServer in the section [Braxlow\Config] of %1.</source>
        <translation>Server pembaruan belum ditetapkan, sehingga Braxlow tidak dapat mencari pembaruan. Penerbit menetapkannya sebagai UpdateServer di bagian [Braxlow\Config] pada %1.</translation>
    </message>
    <message id="3168">
        <source>The desktop shortcut is %1.</source>
        <translation>Pintasan desktop adalah %1.</translation>
    </message>
    <message id="3169">
        <source>There is no connection to end.</source>
        <translation>Tidak ada koneksi untuk diakhiri.</translation>
    </message>
    <message id="3170">
        <source>There is no connection entry number %1: the shortcut's entry was deleted.</source>
        <translation>Tidak ada entri koneksi nomor %1: entri pintasan ini telah dihapus.</translation>
    </message>
    <message id="3171">
        <source>Choose a connection entry first: press Entries.</source>
        <translation>Pilih entri koneksi terlebih dahulu: klik Entri.</translation>
    </message>
    <message id="3200">
        <source>You are not allowed to start the dial-up service (pppd). An administrator sets it up once, from Braxlow's source folder: sudo scripts/install-ppp-access %1 (then log in again).</source>
        <translation>Anda tidak diizinkan memulai layanan dial-up (pppd). Administrator menyiapkannya sekali dari folder sumber Braxlow: sudo scripts/install-ppp-access %1 (lalu masuk kembali).</translation>
    </message>
    <message id="3201">
        <source>The dial string, user name or password cannot be used: it contains characters that cannot be dialed, or it is too long.</source>
        <translation>Nomor panggil, nama pengguna, atau kata sandi tidak dapat digunakan: berisi karakter yang tidak dapat dipanggil, atau terlalu panjang.</translation>
    </message>
    <message id="3202">
        <source>The phone book could not be opened.</source>
        <translation>Buku telepon tidak dapat dibuka.</translation>
    </message>
    <message id="3203">
        <source>The phone book entry for this connection could not be found.</source>
        <translation>Entri buku telepon untuk koneksi ini tidak ditemukan.</translation>
    </message>
    <message id="3204">
        <source>The port is already open: another program is using the phone.</source>
        <translation>Port sudah terbuka: program lain sedang menggunakan ponsel.</translation>
    </message>
    <message id="3205">
        <source>The phone is not available: it is not connected, not set up for dialing out, or in use by another program.</source>
        <translation>Ponsel tidak tersedia: tidak terhubung, tidak disiapkan untuk panggilan keluar, atau sedang digunakan oleh program lain.</translation>
    </message>
    <message id="3206">
        <source>The phone hung up before the connection was complete.</source>
        <translation>Ponsel menutup panggilan sebelum koneksi selesai.</translation>
    </message>
    <message id="3207">
        <source>The phone reported an error while dialing.</source>
        <translation>Ponsel melaporkan kesalahan saat memanggil.</translation>
    </message>
    <message id="3208">
        <source>There is no dial tone: the phone has no network.</source>
        <translation>Tidak ada nada panggil: ponsel tidak mendapat jaringan.</translation>
    </message>
    <message id="3209">
        <source>The line is busy.</source>
        <translation>Saluran sedang sibuk.</translation>
    </message>
    <message id="3210">
        <source>The phone did not answer the dial command.</source>
        <translation>Ponsel tidak menjawab perintah panggil.</translation>
    </message>
    <message id="3211">
        <source>The network did not accept the call (no carrier). Check the dial string and the access point name.</source>
        <translation>Jaringan tidak menerima panggilan (tidak ada sinyal pembawa). Periksa nomor panggil dan nama titik akses.</translation>
    </message>
    <message id="3212">
        <source>The connection was closed by the network before it was complete.</source>
        <translation>Koneksi ditutup oleh jaringan sebelum selesai.</translation>
    </message>
    <message id="3213">
        <source>Access was denied because the user name or password is not valid.</source>
        <translation>Akses ditolak karena nama pengguna atau kata sandi tidak valid.</translation>
    </message>
    <message id="3214">
        <source>The connection was ended because the network did not respond in time.</source>
        <translation>Koneksi diakhiri karena jaringan tidak merespons tepat waktu.</translation>
    </message>
    <message id="3215">
        <source>The PPP link control protocol was terminated.</source>
        <translation>Protokol kontrol tautan PPP telah dihentikan.</translation>
    </message>
    <message id="3216">
        <source>The dial-up service (pppd) could not start. This system may lack PPP support in its kernel (the /dev/ppp device).</source>
        <translation>Layanan dial-up (pppd) tidak dapat dimulai. Kernel sistem ini mungkin tidak mendukung PPP (perangkat /dev/ppp).</translation>
    </message>
    <message id="3217">
        <source>The dial-up service (pppd) stopped with a fatal error, for example when it could not open the phone's port or lock it.</source>
        <translation>Layanan dial-up (pppd) berhenti karena kesalahan fatal, misalnya saat tidak dapat membuka atau mengunci port ponsel.</translation>
    </message>
    <message id="3218">
        <source>The dial-up service (pppd) refused its options. Check the system's /etc/ppp/options and Braxlow's /etc/ppp/peers/braxlow.&lt;device&gt;.</source>
        <translation>Layanan dial-up (pppd) menolak opsinya. Periksa /etc/ppp/options milik sistem dan /etc/ppp/peers/braxlow.&lt;device&gt; milik Braxlow.</translation>
    </message>
    <message id="3219">
        <source>The dial-up service's init script failed (an "init" option in /etc/ppp/options or /etc/ppp/peers/braxlow.&lt;device&gt;).</source>
        <translation>Skrip inisialisasi layanan dial-up gagal (opsi "init" di /etc/ppp/options atau /etc/ppp/peers/braxlow.&lt;device&gt;).</translation>
    </message>
    <message id="3220">
        <source>This connection entry has its own DNS servers, but Braxlow's DNS hook is not installed, so they would not be used. Install it from Braxlow's source folder with: sudo scripts/install-ppp-access %1</source>
        <translation>Entri koneksi ini memiliki server DNS sendiri, tetapi hook DNS Braxlow belum terpasang, sehingga server tersebut tidak akan dipakai. Pasang dari folder sumber Braxlow dengan: sudo scripts/install-ppp-access %1</translation>
    </message>
    <message id="3221">
        <source>Or let the network give the DNS servers: Properties, Advanced, obtain the DNS server address automatically.</source>
        <translation>Atau biarkan jaringan memberikan server DNS: Properti, Lanjutan, Dapatkan alamat server DNS secara otomatis.</translation>
    </message>
    <message id="3230">
        <source>process %1</source>
        <translation>proses %1</translation>
    </message>
    <message id="3231">
        <source>%1 (process %2)</source>
        <translation>%1 (proses %2)</translation>
    </message>
    <message id="3232">
        <source>B|kB|MB|GB|TB</source>
        <translation>B|KB|MB|GB|TB</translation>
    </message>
    <message id="3240">
        <source>%1 (Cyrillic)</source>
        <translation>%1 (Sirilik)</translation>
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
        <translation>%1 (urutan internasional)</translation>
    </message>
    <message id="3245">
        <source>Caribbean</source>
        <translation>Karibia</translation>
    </message>
    <message id="3246">
        <source>Tatarstan</source>
        <translation>Tatarstan</translation>
    </message>
    <message id="3172">
        <source>Phone or modem</source>
        <translation>Ponsel atau modem</translation>
    </message>
    <message id="3173">
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message id="3174">
        <source>Device</source>
        <translation>Perangkat</translation>
    </message>
    <message id="3175">
        <source>Braxlow hangs up the phone's line before the computer sleeps.</source>
        <translation>Braxlow memutus saluran ponsel sebelum komputer masuk mode tidur.</translation>
    </message>
    <message id="3176">
        <source>Start with the Desktop</source>
        <translation>Mulai bersama Desktop</translation>
    </message>
    <message id="3177">
        <source>Braxlow could not be set to start with the desktop.</source>
        <translation>Braxlow tidak dapat diatur untuk mulai bersama desktop.</translation>
    </message>
    <message id="3180">
        <source>These files hold your passwords but could be read by other users of this computer:
%1
Braxlow has made them readable by you only.</source>
        <translation>File-file ini menyimpan kata sandi Anda, tetapi dapat dibaca oleh pengguna lain di komputer ini:
%1
Braxlow telah membuatnya hanya dapat dibaca oleh Anda.</translation>
    </message>
    <message id="3181">
        <source>The connection is still being ended...</source>
        <translation>Koneksi masih sedang diakhiri...</translation>
    </message>
    <message id="3182">
        <source>The data used this month cannot be saved in %1. Braxlow goes on counting, but what it counts may be lost when it ends.</source>
        <translation>Data yang dipakai bulan ini tidak dapat disimpan di %1. Braxlow terus menghitung, tetapi hitungannya bisa hilang saat ditutup.</translation>
    </message>
    <message id="3250">
        <source>History...</source>
        <translation>Riwayat...</translation>
    </message>
    <message id="3251">
        <source>Connection History</source>
        <translation>Riwayat Koneksi</translation>
    </message>
    <message id="3252">
        <source>All entries</source>
        <translation>Semua entri</translation>
    </message>
    <message id="3253">
        <source>Started</source>
        <translation>Dimulai</translation>
    </message>
    <message id="3254">
        <source>Entry</source>
        <translation>Entri</translation>
    </message>
    <message id="3255">
        <source>Duration</source>
        <translation>Durasi</translation>
    </message>
    <message id="3256">
        <source>Received</source>
        <translation>Diterima</translation>
    </message>
    <message id="3257">
        <source>Sent</source>
        <translation>Dikirim</translation>
    </message>
    <message id="3258">
        <source>How it ended</source>
        <translation>Bagaimana berakhirnya</translation>
    </message>
    <message id="3259">
        <source>Hung up</source>
        <translation>Ditutup</translation>
    </message>
    <message id="3260">
        <source>Dropped by the network</source>
        <translation>Diputus oleh jaringan</translation>
    </message>
    <message id="3261">
        <source>Failed (%1): %2</source>
        <translation>Gagal (%1): %2</translation>
    </message>
    <message id="3262">
        <source>Canceled</source>
        <translation>Dibatalkan</translation>
    </message>
    <message id="3263">
        <source>Braxlow ended while connected</source>
        <translation>Braxlow ditutup saat tersambung</translation>
    </message>
    <message id="3264">
        <source>Connected now</source>
        <translation>Sedang tersambung</translation>
    </message>
    <message id="3265">
        <source>Copy Diagnostics</source>
        <translation>Salin Diagnostik</translation>
    </message>
    <message id="3266">
        <source>The diagnostics report is on the clipboard. Passwords, PINs, balance codes and the SIM's and phone's numbers are masked in it.</source>
        <translation>Laporan diagnostik ada di papan klip. Kata sandi, PIN, kode pulsa, serta nomor SIM dan ponsel disamarkan di dalamnya.</translation>
    </message>
    <message id="3267">
        <source>Traffic per day since %1</source>
        <translation>Lalu lintas data per hari sejak %1</translation>
    </message>
    <message id="3268">
        <source>Allowance: %1 MB</source>
        <translation>Kuota: %1 MB</translation>
    </message>
    <message id="3269">
        <source>Details...</source>
        <translation>Detail...</translation>
    </message>
    <message id="3270">
        <source>Entry:</source>
        <translation>Entri:</translation>
    </message>
    <message id="3271">
        <source>No connections yet.</source>
        <translation>Belum ada koneksi.</translation>
    </message>
</context>
</TS>
