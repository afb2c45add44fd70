<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutInfo</name>
    <message>
        <source>Ondrix %1 (build %2)</source>
        <translation>Ondrix %1 (build %2)</translation>
    </message>
</context>
<context>
    <name>BrowserTag</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Arancione</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
</context>
<context>
    <name>ConnectionStatusReport</name>
    <message>
        <source>Idle</source>
        <translation>Inattiva</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>In sorveglianza</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>In caricamento</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>%1 queued, %2 uploading</source>
        <translation>%1 in coda, %2 in caricamento</translation>
    </message>
    <message>
        <source>last error: %1</source>
        <translation>ultimo errore: %1</translation>
    </message>
    <message>
        <source>No connections are set up.</source>
        <translation>Nessuna connessione configurata.</translation>
    </message>
</context>
<context>
    <name>ConnectionTester</name>
    <message>
        <source>✓ Connected successfully</source>
        <translation>✓ Connessione riuscita</translation>
    </message>
</context>
<context>
    <name>ConnectionsCommand</name>
    <message>
        <source>Quit Ondrix first, or change the connections in its settings window.</source>
        <translation>Chiudi prima Ondrix, oppure modifica le connessioni nella sua finestra delle impostazioni.</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read: %1</source>
        <translation>Impossibile leggere l&apos;elenco delle connessioni salvato: %1</translation>
    </message>
    <message>
        <source>No connections.</source>
        <translation>Nessuna connessione.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attiva</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivata</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported, nothing changed: %2</source>
        <translation>%1 non è stato importato, nulla è cambiato: %2</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read (%1); nothing changed.</source>
        <translation>Impossibile leggere l&apos;elenco delle connessioni salvato (%1); nulla è cambiato.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n connections</source>
        <translation>
            <numerusform>%n connessione importata</numerusform>
            <numerusform>%n connessioni importate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n replaced).</source>
        <translation>
            <numerusform> (%n sostituita).</numerusform>
            <numerusform> (%n sostituite).</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: ondrix connections list
       ondrix connections export [--with-passwords] [--output connections.json]
       ondrix connections import [--yes] connections.json</source>
        <translation>Uso: ondrix connections list
     ondrix connections export [--with-passwords] [--output connections.json]
     ondrix connections import [--yes] connections.json</translation>
    </message>
    <message>
        <source>key &quot;%1&quot;: %2</source>
        <translation>chiave «%1»: %2</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>nessun host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a scheme; give the host name alone</source>
        <translation>«%1» contiene uno schema; indica solo il nome host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a path, credentials or spaces; give the host name alone</source>
        <translation>«%1» contiene un percorso, credenziali o spazi; indica solo il nome host</translation>
    </message>
    <message>
        <source>%1 is not a port (1 to 65535)</source>
        <translation>%1 non è una porta (da 1 a 65535)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la cartella «%1» non esiste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an executable file</source>
        <translation>«%1» non è un file eseguibile</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed by other users; make it writable by you only</source>
        <translation>«%1» può essere modificato da altri utenti; rendilo scrivibile solo da te</translation>
    </message>
    <message>
        <source>Passwords are not printed to a terminal. Write them to a file only you can read instead:
    ondrix connections export --with-passwords --output connections.json</source>
        <translation>Le password non vengono stampate su un terminale. Scrivile invece in un file leggibile solo da te:
    ondrix connections export --with-passwords --output connections.json</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; cannot be read (%2); nothing was exported.</source>
        <translation>Impossibile leggere la password di «%1» (%2); non è stato esportato nulla.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>it is larger than a connection list can be (%1 bytes, at most %2)</source>
        <translation>è più grande di quanto possa essere un elenco di connessioni (%1 byte, al massimo %2)</translation>
    </message>
    <message>
        <source>connection %1, key &quot;%2&quot;: nested deeper than a connection list is</source>
        <translation>connessione %1, chiave «%2»: annidata più in profondità di un elenco di connessioni</translation>
    </message>
    <message>
        <source>connection %1 (&quot;%2&quot;), %3</source>
        <translation>connessione %1 («%2»), %3</translation>
    </message>
    <message>
        <source>nothing after upload</source>
        <translation>nulla dopo il caricamento</translation>
    </message>
    <message>
        <source>moves files to %1</source>
        <translation>sposta i file in %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>esegue %1</translation>
    </message>
    <message>
        <source>deletes local files</source>
        <translation>elimina i file locali</translation>
    </message>
    <message>
        <source>some connections delete local files or run a script; check the lines above and import again with --yes</source>
        <translation>alcune connessioni eliminano file locali o eseguono uno script; controlla le righe sopra e importa di nuovo con --yes</translation>
    </message>
    <message>
        <source>The keyring did not take the passwords of %1 (%2); nothing changed.</source>
        <translation>Il portachiavi non ha accettato le password di %1 (%2); non è cambiato nulla.</translation>
    </message>
</context>
<context>
    <name>CurlHandle</name>
    <message>
        <source> (active mode does not work with FTPS; use passive mode)</source>
        <translation> (la modalità attiva non funziona con FTPS; usa la modalità passiva)</translation>
    </message>
    <message>
        <source>: the SSH handshake failed because the server offers no key exchange or host key type that %1 supports. The usual cause is a server with only an RSA host key: %1 cannot check its SHA-2 signatures. Give the server an Ed25519 or ECDSA host key (ssh-keygen -A on the server) and connect again.</source>
        <translation>: l&apos;handshake SSH non è riuscito perché il server non offre alcuno scambio di chiavi o tipo di chiave host supportato da %1. La causa abituale è un server con la sola chiave host RSA: %1 non può verificarne le firme SHA-2. Dai al server una chiave host Ed25519 o ECDSA (ssh-keygen -A sul server) e riconnettiti.</translation>
    </message>
    <message>
        <source>Failed to initialize libcurl</source>
        <translation>Impossibile inizializzare libcurl</translation>
    </message>
</context>
<context>
    <name>CurlTransferClient</name>
    <message>
        <source>The remote path contains a line break or NUL character and was not sent: %1</source>
        <translation>Il percorso remoto contiene un a capo o un carattere NUL e non è stato inviato: %1</translation>
    </message>
    <message>
        <source>The server&apos;s listing of this folder is larger than %1, so it is not shown; open a sub-folder, or tidy this folder on the server</source>
        <translation>L&apos;elenco di questa cartella inviato dal server supera %1, quindi non viene mostrato; apri una sottocartella o riordina questa cartella sul server</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 non c&apos;è</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix desktop module</source>
        <translation>%1 non è un modulo desktop di Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 appartiene a un&apos;altra versione di Ondrix</translation>
    </message>
</context>
<context>
    <name>ExtensionCategory</name>
    <message>
        <source>Images</source>
        <comment>ext.cat.images</comment>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>ext.cat.video</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>ext.cat.audio</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <comment>ext.cat.documents</comment>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment>ext.cat.temp</comment>
        <translation>File temporanei</translation>
    </message>
</context>
<context>
    <name>FTPError</name>
    <message>
        <source>Connection failed: </source>
        <translation>Connessione non riuscita: </translation>
    </message>
    <message>
        <source>Remote path not found: </source>
        <translation>Percorso remoto non trovato: </translation>
    </message>
    <message>
        <source>Cannot read file: </source>
        <translation>Impossibile leggere il file: </translation>
    </message>
    <message>
        <source>Cannot write to: </source>
        <translation>Impossibile scrivere in: </translation>
    </message>
    <message>
        <source>Transfer failed: </source>
        <translation>Trasferimento non riuscito: </translation>
    </message>
    <message>
        <source>curl error </source>
        <translation>errore curl </translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autenticazione non riuscita</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
</context>
<context>
    <name>FTPUploader</name>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>è una pipe con nome, non un file normale</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>è un socket, non un file normale</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>è un dispositivo, non un file normale</translation>
    </message>
    <message>
        <source> (it is a symbolic link; links are not followed, only regular files inside the folder are uploaded)</source>
        <translation> (è un collegamento simbolico; i collegamenti non vengono seguiti, vengono caricati solo i file normali nella cartella)</translation>
    </message>
    <message>
        <source>The server does not tell the size of %1, so whether it holds the file cannot be checked</source>
        <translation>Il server non indica la dimensione di %1, quindi non si può verificare se contiene il file</translation>
    </message>
    <message>
        <source> (it is not inside the watched folder)</source>
        <translation> (non si trova nella cartella monitorata)</translation>
    </message>
    <message>
        <source>The server&apos;s reply was longer than %1 bytes and was cut off; the server does not answer as an FTP server should</source>
        <translation>La risposta del server superava %1 byte ed è stata troncata; il server non risponde come dovrebbe un server FTP</translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>The host name is not valid. Enter a name such as ftp.example.com or an IP address.</source>
        <translation>Il nome host non è valido. Inserisci un nome come ftp.example.com o un indirizzo IP.</translation>
    </message>
    <message>
        <source>The host &quot;%1&quot; was not found. Check its spelling and your network connection.</source>
        <translation>L&apos;host «%1» non è stato trovato. Controlla come è scritto e la connessione di rete.</translation>
    </message>
    <message>
        <source>Nothing accepted a connection at %1 on port %2. Check the host and the port (FTP and FTPS usually use 21, SFTP 22) and that the server is running.</source>
        <translation>Nessuno ha accettato una connessione su %1, porta %2. Controlla host e porta (FTP e FTPS di solito usano la 21, SFTP la 22) e che il server sia in funzione.</translation>
    </message>
    <message>
        <source>The server did not answer in time. Check the host and the port, and whether a firewall blocks the connection.</source>
        <translation>Il server non ha risposto in tempo. Controlla host e porta e se un firewall blocca la connessione.</translation>
    </message>
    <message>
        <source>The server refused the login. Check the username and the password.</source>
        <translation>Il server ha rifiutato l&apos;accesso. Controlla nome utente e password.</translation>
    </message>
    <message>
        <source>The server refused to open the folder: it may not exist, or this user may not have access to it. Check the remote path and the user&apos;s permissions on the server.</source>
        <translation>Il server ha rifiutato di aprire la cartella: potrebbe non esistere, oppure questo utente potrebbe non avervi accesso. Controlla il percorso remoto e i permessi dell&apos;utente sul server.</translation>
    </message>
    <message>
        <source>The folder or file does not exist on the server. Check the remote path.</source>
        <translation>La cartella o il file non esiste sul server. Controlla il percorso remoto.</translation>
    </message>
    <message>
        <source>The server&apos;s host key could not be checked. Connect again; if it persists, check the known hosts file.</source>
        <translation>Non è stato possibile verificare la chiave host del server. Riconnettiti; se il problema persiste, controlla il file degli host noti.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted or is not made out to &quot;%1&quot;. Check the host name; for a private certificate authority, point SSL_CERT_FILE at its certificate.</source>
        <translation>Il certificato del server non è attendibile o non è intestato a «%1». Controlla il nome host; per un&apos;autorità di certificazione privata, imposta SSL_CERT_FILE sul suo certificato.</translation>
    </message>
    <message>
        <source>The secure connection could not be set up. Check that the server offers explicit FTPS (TLS) on this port.</source>
        <translation>Non è stato possibile stabilire la connessione sicura. Controlla che il server offra FTPS esplicito (TLS) su questa porta.</translation>
    </message>
    <message>
        <source>The server does not offer TLS. Choose FTP if it has no encryption, or enable TLS on the server.</source>
        <translation>Il server non offre TLS. Scegli FTP se non ha cifratura, oppure attiva TLS sul server.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was not understood. Check that the protocol matches the server (SFTP for SSH servers, FTP or FTPS otherwise) and the port.</source>
        <translation>La risposta del server non è stata compresa. Controlla che il protocollo corrisponda al server (SFTP per i server SSH, altrimenti FTP o FTPS) e la porta.</translation>
    </message>
    <message>
        <source>The server could not open the data connection in active mode. Choose passive mode.</source>
        <translation>Il server non è riuscito ad aprire la connessione dati in modalità attiva. Scegli la modalità passiva.</translation>
    </message>
    <message>
        <source>The connection was cut off. Try again; if it keeps happening, check the protocol, the port and the server&apos;s connection limits.</source>
        <translation>La connessione si è interrotta. Riprova; se succede di nuovo, controlla il protocollo, la porta e i limiti di connessione del server.</translation>
    </message>
    <message>
        <source>The private key file %1 cannot be read. Choose the key file again in the connection&apos;s settings.</source>
        <translation>Il file della chiave privata %1 non è leggibile. Scegli di nuovo il file della chiave nelle impostazioni della connessione.</translation>
    </message>
    <message>
        <source>The server refused the login with the key %1. Check the username, and that the key&apos;s public part is in the server&apos;s authorized_keys file.</source>
        <translation>Il server ha rifiutato l&apos;accesso con la chiave %1. Controlla il nome utente e che la parte pubblica della chiave sia nel file authorized_keys del server.</translation>
    </message>
    <message>
        <source>The connection ended before the whole file arrived. The file is sent again.</source>
        <translation>La connessione si è interrotta prima che arrivasse l&apos;intero file. Il file viene inviato di nuovo.</translation>
    </message>
    <message>
        <source>The server refused to store the file. Check that the user may write to the remote folder and that the server has free space.</source>
        <translation>Il server ha rifiutato di salvare il file. Controlla che l&apos;utente possa scrivere nella cartella remota e che il server abbia spazio libero.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full. Free space on the server; the file is sent again.</source>
        <translation>Il disco del server è pieno. Libera spazio sul server; il file viene inviato di nuovo.</translation>
    </message>
    <message>
        <source>The SSH connection broke off. The file is sent again; if it keeps happening, check the network and the server&apos;s session and connection limits.</source>
        <translation>La connessione SSH si è interrotta. Il file viene inviato di nuovo; se succede ancora, controlla la rete e i limiti di sessioni e connessioni del server.</translation>
    </message>
    <message>
        <source>The connection was cut off. The file is sent again; if it keeps happening, check the network and the server&apos;s connection limits.</source>
        <translation>La connessione è stata interrotta. Il file viene inviato di nuovo; se succede ancora, controlla la rete e i limiti di connessioni del server.</translation>
    </message>
</context>
<context>
    <name>FailureNotices</name>
    <message numerus="yes">
        <source>%1 (failed %n times in a row)</source>
        <translation>
            <numerusform>%1 (non riuscito %n volta di seguito)</numerusform>
            <numerusform>%1 (non riuscito %n volte di seguito)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPresets</name>
    <message>
        <source>All files (no filter)</source>
        <translation>Tutti i file (nessun filtro)</translation>
    </message>
    <message>
        <source>Downloads every file without filtering</source>
        <translation>Carica ogni file senza filtri</translation>
    </message>
    <message>
        <source>All except temporaries (recommended)</source>
        <translation>Tutto tranne i temporanei (consigliato)</translation>
    </message>
    <message>
        <source>Downloads everything, ignores temp/partial files</source>
        <translation>Carica tutto, ignora i file temporanei o parziali</translation>
    </message>
    <message>
        <source>Photography</source>
        <translation>Fotografia</translation>
    </message>
    <message>
        <source>RAW, processed images and sidecar files</source>
        <translation>RAW, immagini elaborate e file collaterali</translation>
    </message>
    <message>
        <source>E-commerce / Data</source>
        <translation>E-commerce / Dati</translation>
    </message>
    <message>
        <source>CSV, Excel, XML, JSON and EDI files</source>
        <translation>File CSV, Excel, XML, JSON ed EDI</translation>
    </message>
    <message>
        <source>Audiovisual</source>
        <translation>Audiovisivo</translation>
    </message>
    <message>
        <source>Video, audio, subtitles and editing formats</source>
        <translation>Video, audio, sottotitoli e formati di montaggio</translation>
    </message>
    <message>
        <source>Health / Compliance</source>
        <translation>Sanità / Conformità</translation>
    </message>
    <message>
        <source>Medical, HL7, DICOM and encrypted files</source>
        <translation>File medici, HL7, DICOM e cifrati</translation>
    </message>
    <message>
        <source>Finance / Accounting</source>
        <translation>Finanza / Contabilità</translation>
    </message>
    <message>
        <source>Banking, invoicing and financial data</source>
        <translation>Dati bancari, di fatturazione e finanziari</translation>
    </message>
    <message>
        <source>Data / Analytics</source>
        <translation>Dati / Analisi</translation>
    </message>
    <message>
        <source>Datasets, compressed archives and query formats</source>
        <translation>Set di dati, archivi compressi e formati di query</translation>
    </message>
    <message>
        <source>Research / Science</source>
        <translation>Ricerca / Scienza</translation>
    </message>
    <message>
        <source>Scientific data, genomics and simulation files</source>
        <translation>Dati scientifici, genomica e file di simulazione</translation>
    </message>
    <message>
        <source>Agency / Creative</source>
        <translation>Agenzia / Creatività</translation>
    </message>
    <message>
        <source>Design, photography and creative assets</source>
        <translation>Design, fotografia e risorse creative</translation>
    </message>
    <message>
        <source>IT / Integrations</source>
        <translation>IT / Integrazioni</translation>
    </message>
    <message>
        <source>Config, logs, backups and data exchange</source>
        <translation>Configurazioni, log, backup e scambio di dati</translation>
    </message>
    <message>
        <source>Print / Graphics</source>
        <translation>Stampa / Grafica</translation>
    </message>
    <message>
        <source>Print-ready, prepress and design files</source>
        <translation>File pronti per la stampa, di prestampa e di design</translation>
    </message>
    <message>
        <source>Photos only</source>
        <translation>Solo foto</translation>
    </message>
    <message>
        <source>RAW + processed image formats</source>
        <translation>Formati RAW e immagini elaborate</translation>
    </message>
    <message>
        <source>Video only</source>
        <translation>Solo video</translation>
    </message>
    <message>
        <source>Common video and cinema formats</source>
        <translation>Formati video e cinema comuni</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Define your own extensions</source>
        <translation>Definisci le tue estensioni</translation>
    </message>
</context>
<context>
    <name>FolderDeliveries</name>
    <message>
        <source>Its after-upload action is left out for the files it shares with %1, which comes first in the list of connections and acts on them; a file is acted on once, after every connection has it</source>
        <translation>La sua azione dopo il caricamento viene saltata per i file che condivide con %1, che viene prima nell&apos;elenco delle connessioni e se ne occupa; un file viene trattato una sola volta, quando tutte le connessioni lo hanno</translation>
    </message>
    <message>
        <source>Kept until %1 has it too: </source>
        <translation>Conservato finché anche %1 non lo ha: </translation>
    </message>
    <message>
        <source>Keeps its record of uploaded files together with %1 (same server address, local folder and remote folder): after a restart, a file either of them sent counts as sent by both, so files both take are neither deleted, moved nor handed to a script after their upload. Give one of them another remote folder.</source>
        <translation>Condivide il registro dei file caricati con %1 (stesso indirizzo del server, stessa cartella locale e remota): dopo un riavvio, un file inviato da una delle due conta come inviato da entrambe, quindi i file che prendono entrambe non vengono eliminati, spostati né passati a uno script dopo il caricamento. Assegna a una delle due un&apos;altra cartella remota.</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>Not selected</source>
        <translation>Non selezionato</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <source>size verified</source>
        <translation>dimensione verificata</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <extracomment>%1 is a checksum algorithm, e.g. SHA-256</extracomment>
        <translation>%1 verificato</translation>
    </message>
</context>
<context>
    <name>IPTCMetadataService</name>
    <message>
        <source>Keywords cannot be written into images, so images are uploaded without them: %1. Reinstall Ondrix to restore its keyword module.</source>
        <translation>Impossibile scrivere le parole chiave nelle immagini, quindi le immagini vengono caricate senza: %1. Reinstalla Ondrix per ripristinare il suo modulo delle parole chiave.</translation>
    </message>
    <message>
        <source>%1 is larger than 2 GiB, so it goes up without the connection&apos;s keywords</source>
        <translation>%1 supera i 2 GiB, quindi viene caricato senza le parole chiave della connessione</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>IptcPresetsFile</name>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Il file non è JSON valido (%1 al byte %2).</translation>
    </message>
    <message>
        <source>The file does not hold a list of presets.</source>
        <translation>Il file non contiene un elenco di preimpostazioni.</translation>
    </message>
    <message>
        <source>Preset %1 of the file is not an object with the text fields &quot;id&quot;, &quot;name&quot; and &quot;keyword&quot;.</source>
        <translation>La preimpostazione %1 del file non è un oggetto con i campi di testo &quot;id&quot;, &quot;name&quot; e &quot;keyword&quot;.</translation>
    </message>
</context>
<context>
    <name>KeywordModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 non c&apos;è</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix keyword module</source>
        <translation>%1 non è un modulo delle parole chiave di Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 appartiene a un&apos;altra versione di Ondrix</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not set Ondrix to start at login: %1</source>
        <translation>Impossibile avviare Ondrix all&apos;accesso: %1</translation>
    </message>
    <message>
        <source>Could not stop Ondrix from starting at login: %1</source>
        <translation>Impossibile impedire l&apos;avvio di Ondrix all&apos;accesso: %1</translation>
    </message>
</context>
<context>
    <name>LogLevelStyle</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>MenuBarPresentation</name>
    <message>
        <source>No network</source>
        <translation>Nessuna rete</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Nessuna connessione</translation>
    </message>
    <message>
        <source>1 active connection</source>
        <translation>1 connessione attiva</translation>
    </message>
    <message>
        <source>Paused — mobile hotspot detected</source>
        <translation>In pausa — rilevato hotspot mobile</translation>
    </message>
    <message>
        <source>Paused — no internet connection</source>
        <translation>In pausa — nessuna connessione a Internet</translation>
    </message>
    <message>
        <source>Preventing sleep — uploading</source>
        <translation>Sospensione impedita — caricamento in corso</translation>
    </message>
    <message>
        <source>Sleep prevention enabled</source>
        <translation>Blocco della sospensione attivo</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connessa</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>Nessuna preimpostazione</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1d</source>
        <translation>%1 g</translation>
    </message>
    <message>
        <source>%1h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>%1 GB liberi</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Hotspot</source>
        <translation>Hotspot</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No network connection at all</extracomment>
        <translation>Nessuna rete</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network state before it is first known</extracomment>
        <translation>Sconosciuta</translation>
    </message>
    <message numerus="yes">
        <source>%n active connections</source>
        <translation>
            <numerusform>%n connessione attiva</numerusform>
            <numerusform>%n connessioni attive</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading 1 file</source>
        <translation>Caricamento di 1 file</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n files</source>
        <translation>
            <numerusform>Caricamento di %n file</numerusform>
            <numerusform>Caricamento di %n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n more uploading...</source>
        <translation>
            <numerusform>+%n altro in caricamento…</numerusform>
            <numerusform>+%n altri in caricamento…</numerusform>
        </translation>
    </message>
    <message>
        <source>1 connection has an error</source>
        <translation>1 connessione ha un errore</translation>
    </message>
    <message numerus="yes">
        <source>%n connections have errors</source>
        <translation>
            <numerusform>%n connessione ha un errore</numerusform>
            <numerusform>%n connessioni hanno errori</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PostUploadActions</name>
    <message>
        <source>%1 stays in place, not moved to the archive: %2</source>
        <translation>%1 resta dov&apos;è e non viene spostato nell&apos;archivio: %2</translation>
    </message>
    <message>
        <source>the archive folder %1 does not exist</source>
        <translation>la cartella di archivio %1 non esiste</translation>
    </message>
    <message>
        <source>the archive folder %1 is not writable (%2)</source>
        <translation>la cartella di archivio %1 non è scrivibile (%2)</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>%1 is damaged and could not be moved aside</source>
        <translation>%1 è danneggiato e non è stato possibile metterlo da parte</translation>
    </message>
</context>
<context>
    <name>PushConnection</name>
    <message>
        <source>Passive (recommended)</source>
        <translation>Passiva (consigliata)</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Rename (add suffix)</source>
        <translation>Rinomina (aggiungi suffisso)</translation>
    </message>
    <message>
        <source>Skip (keep existing)</source>
        <translation>Salta (mantieni l&apos;esistente)</translation>
    </message>
    <message>
        <source>New Connection</source>
        <translation>Nuova connessione</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>una stringa</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>an array of numbers</source>
        <translation>un array di numeri</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un oggetto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the unknown value &quot;%2&quot;</source>
        <translation>«%1» ha il valore sconosciuto «%2»</translation>
    </message>
    <message>
        <source>a UUID string</source>
        <translation>una stringa UUID</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>manca la chiave «%1»</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un numero intero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>«%1» deve essere %2</translation>
    </message>
    <message>
        <source>the connection list is not a JSON array</source>
        <translation>l&apos;elenco delle connessioni non è un array JSON</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>non è un oggetto</translation>
    </message>
    <message>
        <source>connection %1: %2</source>
        <translation>connessione %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>Not uploaded: FTP cannot carry a name with a tab, a line break or another control character: %1. Rename the file, or connect over SFTP, which carries such names.</source>
        <translation>Non caricato: FTP non può trasmettere un nome con una tabulazione, un a capo o un altro carattere di controllo: %1. Rinomina il file, oppure connettiti via SFTP, che trasmette tali nomi.</translation>
    </message>
</context>
<context>
    <name>RemoteControlClient</name>
    <message>
        <source>no session bus</source>
        <translation>nessun bus di sessione</translation>
    </message>
    <message>
        <source>no running instance on the session bus</source>
        <translation>nessuna istanza in esecuzione sul bus di sessione</translation>
    </message>
</context>
<context>
    <name>RemoteDelivery</name>
    <message>
        <source>%1 and %2 numbered copies of it exist on the server</source>
        <translation>%1 e %2 sue copie numerate esistono già sul server</translation>
    </message>
    <message>
        <source>has no file</source>
        <translation>non ha il file</translation>
    </message>
    <message numerus="yes">
        <source>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</source>
        <translation>
            <numerusform>Il server ha segnalato il successo, ma %1 mentre è stato inviato %2 byte (%3); il file locale viene conservato</numerusform>
            <numerusform>Il server ha segnalato il successo, ma %1 mentre sono stati inviati %2 byte (%3); il file locale viene conservato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %1 bytes</source>
        <translation>
            <numerusform>contiene %1 byte</numerusform>
            <numerusform>contiene %1 byte</numerusform>
        </translation>
    </message>
    <message>
        <source>the server does not offer to resume uploads (REST STREAM)</source>
        <translation>il server non consente di riprendere i caricamenti (REST STREAM)</translation>
    </message>
    <message>
        <source>The server holds other bytes than were sent (%1): its %2 is %3, the file sent has %4; the local file is kept</source>
        <translation>Il server contiene byte diversi da quelli inviati (%1): il suo %2 è %3, il file inviato ha %4; il file locale viene conservato</translation>
    </message>
</context>
<context>
    <name>RemoteNames</name>
    <message>
        <source>A name cannot contain “/” or line breaks, and cannot be “.” or “..”.</source>
        <translation>Un nome non può contenere «/» o a capo, e non può essere «.» o «..».</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 cartella</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>Empty folder</source>
        <translation>Cartella vuota</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of a remote file, e.g. &quot;JPG File&quot;</extracomment>
        <translation>File %1</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n cartella</numerusform>
            <numerusform>%n cartelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SshKnownHosts</name>
    <message>
        <source>The server&apos;s host key changed: %1 no longer presents the key trusted in %2. The server may have been reinstalled, or someone may be intercepting the connection. If you expect the change, remove the line for %1 from that file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) and connect again.</source>
        <translation>La chiave host del server è cambiata: %1 non presenta più la chiave considerata attendibile in %2. Il server potrebbe essere stato reinstallato, oppure qualcuno potrebbe intercettare la connessione. Se ti aspetti il cambiamento, rimuovi la riga di %1 da quel file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) e riconnettiti.</translation>
    </message>
    <message>
        <source>Trusted the SSH host key of %1 on first use: %2 %3. If this is not the server&apos;s key, remove its line from %4.</source>
        <translation>Chiave host SSH di %1 accettata al primo utilizzo: %2 %3. Se non è la chiave del server, rimuovi la sua riga da %4.</translation>
    </message>
    <message>
        <source>The file of trusted SSH host keys %1 cannot be read or written, so no server key can be checked; make it readable and writable by you (or remove it) and connect again.</source>
        <translation>Il file delle chiavi host SSH attendibili %1 non può essere letto o scritto, quindi nessuna chiave del server può essere verificata; rendilo leggibile e scrivibile da te (o rimuovilo) e riconnettiti.</translation>
    </message>
</context>
<context>
    <name>StoredConnectionList</name>
    <message>
        <source>it holds a dictionary of numbers, not data</source>
        <translation>contiene un dizionario di numeri, non dati</translation>
    </message>
    <message>
        <source>it holds a list of texts, not data</source>
        <translation>contiene un elenco di testi, non dati</translation>
    </message>
    <message>
        <source>it holds a text or a number, not data</source>
        <translation>contiene un testo o un numero, non dati</translation>
    </message>
    <message>
        <source>The connection list stored under &quot;%1&quot; cannot be read (%2), so no connections were loaded. A copy of it is kept under &quot;%3&quot; in %4; fix it there, or add the connections again.</source>
        <translation>L&apos;elenco delle connessioni salvato in «%1» non può essere letto (%2), quindi non è stata caricata alcuna connessione. Una copia è conservata in «%3» in %4; correggila lì, oppure aggiungi di nuovo le connessioni.</translation>
    </message>
</context>
<context>
    <name>UploadTask</name>
    <message>
        <source> (the server refused to make or open the folder %1)</source>
        <translation> (il server ha rifiutato di creare o aprire la cartella %1)</translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ondrix is running (process %1).</source>
        <translation>Ondrix è in esecuzione (processo %1).</translation>
    </message>
    <message>
        <source>Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the settings window or in the preferences store (see the README).</source>
        <translation>Mantiene le cartelle locali caricate su server FTP, FTPS e SFTP. Le connessioni si configurano nella finestra delle impostazioni o nell&apos;archivio delle preferenze (vedi il README).</translation>
    </message>
    <message>
        <source>Run without a tray icon or windows.</source>
        <translation>Esegui senza icona nell&apos;area di notifica e senza finestre.</translation>
    </message>
    <message>
        <source>Ondrix is already running for this user (process %1). Quit it first, or remove %2 if no Ondrix is running.</source>
        <translation>Ondrix è già in esecuzione per questo utente (processo %1). Chiudilo prima, oppure rimuovi %2 se nessun Ondrix è in esecuzione.</translation>
    </message>
    <message>
        <source>Stopping at once.</source>
        <translation>Arresto immediato.</translation>
    </message>
    <message>
        <source>Stopping: waiting for running uploads to finish (signal again to quit at once).</source>
        <translation>Arresto: in attesa che finiscano i caricamenti in corso (un altro segnale chiude subito).</translation>
    </message>
    <message>
        <source>No connections are set up, so nothing is uploaded. The README (section &quot;The preferences database&quot;) explains how to add one; `ondrix connections import FILE.json` adds them from a file.</source>
        <translation>Non ci sono connessioni configurate, quindi non viene caricato nulla. Il README (sezione «The preferences database») spiega come aggiungerne una; `ondrix connections import FILE.json` le aggiunge da un file.</translation>
    </message>
    <message>
        <source>Connections loaded: %1 (%2 enabled).</source>
        <translation>Connessioni caricate: %1 (%2 attive).</translation>
    </message>
    <message>
        <source>Bring the running Ondrix forward (its popover or window).</source>
        <translation>Porta in primo piano l&apos;Ondrix in esecuzione (il suo pannello o la sua finestra).</translation>
    </message>
    <message>
        <source>Cannot reach a running Ondrix: %1</source>
        <translation>Impossibile raggiungere un Ondrix in esecuzione: %1</translation>
    </message>
    <message>
        <source>Remote control is not available: %1</source>
        <translation>Il controllo remoto non è disponibile: %1</translation>
    </message>
    <message>
        <source>Pause every connection of the running Ondrix.</source>
        <translation>Mette in pausa tutte le connessioni dell&apos;Ondrix in esecuzione.</translation>
    </message>
    <message>
        <source>Resume every connection of the running Ondrix.</source>
        <translation>Riprende tutte le connessioni dell&apos;Ondrix in esecuzione.</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once.</source>
        <translation>Esamina di nuovo ogni connessione attiva e riprova subito i file non riusciti.</translation>
    </message>
    <message>
        <source>Print one line per connection: name, state, files queued and uploading, last error.</source>
        <translation>Stampa una riga per connessione: nome, stato, file in coda e in caricamento, ultimo errore.</translation>
    </message>
    <message>
        <source>The desktop interface cannot be loaded, so Ondrix runs without a tray icon or windows: %1</source>
        <translation>Impossibile caricare l&apos;interfaccia desktop, quindi Ondrix funziona senza icona nell&apos;area di notifica né finestre: %1</translation>
    </message>
    <message>
        <source>With --status: print the state as one JSON document: per connection its state, pause reasons, counts, last success and last error; the version and uptime.</source>
        <translation>Con --status: stampa lo stato come un unico documento JSON: per ogni connessione stato, motivi di pausa, conteggi, ultimo successo e ultimo errore; la versione e il tempo di attività.</translation>
    </message>
    <message>
        <source>Keep Prometheus metrics in &lt;file&gt; (for node_exporter&apos;s textfile collector), written every 10 seconds and at stop.</source>
        <translation>Mantieni le metriche Prometheus in &lt;file&gt; (per il collector textfile di node_exporter), scritte ogni 10 secondi e all&apos;arresto.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json va usato con --status.</translation>
    </message>
</context>
<context>
    <name>ondrix::AboutView</name>
    <message>
        <source>Ondrix icon</source>
        <translation>Icona di Ondrix</translation>
    </message>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Termini di servizio</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
</context>
<context>
    <name>ondrix::ActivityList</name>
    <message>
        <source>ACTIVITY</source>
        <translation>ATTIVITÀ</translation>
    </message>
    <message>
        <source>Monitoring — no transfers in progress</source>
        <translation>Sorveglianza — nessun trasferimento in corso</translation>
    </message>
</context>
<context>
    <name>ondrix::AppDelegate</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Open Ondrix</source>
        <translation>Apri Ondrix</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Informazioni su Ondrix</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Ondrix Website</source>
        <translation>Sito web di Ondrix</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contatta l&apos;assistenza</translation>
    </message>
    <message>
        <source>Quit Ondrix</source>
        <translation>Esci da Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Settings</source>
        <translation>Impostazioni di Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Log</source>
        <translation>Registro di Ondrix</translation>
    </message>
    <message>
        <source>Ondrix History</source>
        <translation>Cronologia di Ondrix</translation>
    </message>
    <message>
        <source>Hide Ondrix</source>
        <translation>Nascondi Ondrix</translation>
    </message>
</context>
<context>
    <name>ondrix::Application</name>
    <message>
        <source>Settings cannot be saved in this run, the preferences file was left untouched: %1</source>
        <translation>Le impostazioni non possono essere salvate in questa esecuzione, il file delle preferenze non è stato toccato: %1</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserFolderView</name>
    <message>
        <source>Go back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Cartella superiore</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Contenuto della cartella</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Rename selected item</source>
        <translation>Rinomina l&apos;elemento selezionato</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Elimina gli elementi selezionati</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Impossibile mostrare questa cartella</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>Impossibile elencare %1: %2</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Rimuovi etichetta</translation>
    </message>
    <message>
        <source>Cannot Open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>Enter a name for the new folder at </source>
        <translation>Inserisci un nome per la nuova cartella in </translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome della cartella</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Cannot Create Folder</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>Could not create the folder “%1”: %2</source>
        <translation>Impossibile creare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Impossibile rinominare</translation>
    </message>
    <message>
        <source>Enter a new name for &apos;%1&apos;</source>
        <translation>Inserisci un nuovo nome per «%1»</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Could not rename “%1”: %2</source>
        <translation>Impossibile rinominare «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot Delete</source>
        <translation>Impossibile eliminare</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Eliminare «%1»?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>Could not delete “%1”: %2</source>
        <translation>Impossibile eliminare «%1»: %2</translation>
    </message>
    <message>
        <source>A folder can only be deleted when it is empty.</source>
        <translation>Una cartella può essere eliminata solo quando è vuota.</translation>
    </message>
    <message>
        <source>Cannot Tag</source>
        <translation>Impossibile etichettare</translation>
    </message>
    <message>
        <source>The server lists an entry named “%1”. Its name contains a line break, a NUL character or a “/”, or is “.” or “..”, so a command on it could act on another entry. Ondrix leaves it alone; rename or remove it with another program on the server.</source>
        <translation>Il server elenca una voce chiamata «%1». Il suo nome contiene un a capo, un carattere NUL o una «/», oppure è «.» o «..», quindi un comando su di essa potrebbe agire su un&apos;altra voce. Ondrix la lascia stare; rinominala o rimuovila con un altro programma sul server.</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items</source>
        <translation>
            <numerusform>Elimina %n elemento</numerusform>
            <numerusform>Elimina %n elementi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items?</source>
        <translation>
            <numerusform>Eliminare %n elemento?</numerusform>
            <numerusform>Eliminare %n elementi?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserStatePage</name>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserView</name>
    <message>
        <source>Connections</source>
        <translation>Connessioni</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Nessuna connessione</translation>
    </message>
    <message>
        <source>Add a connection in the Connections tab first.</source>
        <translation>Aggiungi prima una connessione nella scheda Connessioni.</translation>
    </message>
    <message>
        <source>Select a connection</source>
        <translation>Seleziona una connessione</translation>
    </message>
    <message>
        <source>Choose a connection from the sidebar.</source>
        <translation>Scegli una connessione dalla barra laterale.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEditView</name>
    <message>
        <source>Scroll the connection settings</source>
        <translation>Scorri le impostazioni della connessione</translation>
    </message>
    <message>
        <source>Scroll the connection settings sideways</source>
        <translation>Scorri le impostazioni della connessione in orizzontale</translation>
    </message>
    <message>
        <source>This connection is locked. Click the lock to edit.</source>
        <translation>Questa connessione è bloccata. Fai clic sul lucchetto per modificarla.</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEngine</name>
    <message>
        <source>No local folder configured</source>
        <translation>Nessuna cartella locale configurata</translation>
    </message>
    <message>
        <source>Local folder not found: </source>
        <translation>Cartella locale non trovata: </translation>
    </message>
    <message>
        <source>Watching </source>
        <translation>Sorveglianza di </translation>
    </message>
    <message>
        <source>Stability check (%1s): </source>
        <translation>Controllo di stabilità (%1 s): </translation>
    </message>
    <message>
        <source>Skipped (already uploaded): </source>
        <translation>Saltato (già caricato): </translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation>In coda: </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Changed during the upload, kept to go up again: </source>
        <translation>Modificato durante il caricamento, tenuto da ricaricare: </translation>
    </message>
    <message>
        <source>Still being written, offered again later: </source>
        <translation>Ancora in scrittura, riproposto più tardi: </translation>
    </message>
    <message>
        <source>Upload cut short by the stop; it goes up at the next start: </source>
        <translation>Caricamento interrotto dall&apos;arresto; verrà caricato al prossimo avvio: </translation>
    </message>
    <message>
        <source>Stopping: uploads still running after %1 s are cut short; they go up again at the next start</source>
        <translation>Arresto: i caricamenti ancora in corso dopo %1 s vengono interrotti; verranno ricaricati al prossimo avvio</translation>
    </message>
    <message>
        <source>Skipped (exists on server): </source>
        <translation>Saltato (esiste sul server): </translation>
    </message>
    <message>
        <source>Ondrix looks for it again every few seconds.</source>
        <translation>Ondrix la cerca di nuovo ogni pochi secondi.</translation>
    </message>
    <message>
        <source>The local folder was deleted or moved away: </source>
        <translation>La cartella locale è stata eliminata o spostata: </translation>
    </message>
    <message>
        <source>Still open for writing, kept until its writer is done: </source>
        <translation>Ancora aperto in scrittura, conservato finché il programma che lo scrive non ha finito: </translation>
    </message>
    <message>
        <source>Resumed at %1 of %2: </source>
        <translation>Ripreso a %1 di %2: </translation>
    </message>
    <message>
        <source>Resuming was not possible, sent whole: </source>
        <translation>Impossibile riprendere, inviato per intero: </translation>
    </message>
    <message>
        <source>The local folder %1 cannot be opened without following a symbolic link (%2); nothing in it is uploaded</source>
        <translation>La cartella locale %1 non può essere aperta senza seguire un collegamento simbolico (%2); nulla di ciò che contiene viene caricato</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionForm</name>
    <message>
        <source>%1:00</source>
        <translation>%1:00</translation>
    </message>
    <message>
        <source>Move mode: local files are removed after upload.</source>
        <translation>Modalità spostamento: i file locali vengono rimossi dopo il caricamento.</translation>
    </message>
    <message>
        <source>Copy mode: local files are kept after upload.</source>
        <translation>Modalità copia: i file locali vengono mantenuti dopo il caricamento.</translation>
    </message>
    <message>
        <source>The script receives the local file path as the first argument.</source>
        <translation>Lo script riceve il percorso del file locale come primo argomento.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name or IP address.</source>
        <translation>Inserisci il nome host o l&apos;indirizzo IP del server.</translation>
    </message>
    <message>
        <source>Enter the host name alone, without &quot;ftp://&quot; or &quot;sftp://&quot;; choose the protocol above.</source>
        <translation>Inserisci solo il nome host, senza «ftp://» o «sftp://»; scegli il protocollo sopra.</translation>
    </message>
    <message>
        <source>A host name cannot contain spaces or &quot;/&quot;. Put the folder under Remote Folder.</source>
        <translation>Un nome host non può contenere spazi o «/». Indica la cartella in Cartella remota.</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535 (FTP and FTPS usually use 21, SFTP 22).</source>
        <translation>La porta deve essere un numero intero da 1 a 65535 (FTP e FTPS di solito usano la 21, SFTP la 22).</translation>
    </message>
    <message>
        <source>This folder does not exist. Create it again or choose another folder.</source>
        <translation>Questa cartella non esiste. Ricreala o scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>This is a file, not a folder. Choose a folder.</source>
        <translation>Questo è un file, non una cartella. Scegli una cartella.</translation>
    </message>
    <message>
        <source>This folder cannot be read. Check its permissions (chmod u+rx) or choose another folder.</source>
        <translation>Impossibile leggere questa cartella. Controlla i permessi (chmod u+rx) o scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>The remote path cannot contain a line break. The last path without one is kept.</source>
        <translation>Il percorso remoto non può contenere a capo. Viene mantenuto l&apos;ultimo percorso senza.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>Required: </source>
        <translation>Obbligatorio: </translation>
    </message>
    <message>
        <source>Port %1 is usually FTP; SFTP servers usually listen on %2.</source>
        <translation>La porta %1 di solito è FTP; i server SFTP di solito ascoltano sulla %2.</translation>
    </message>
    <message>
        <source>Port %1 is usually SFTP; FTP and FTPS servers usually listen on %2.</source>
        <translation>La porta %1 di solito è SFTP; i server FTP e FTPS di solito ascoltano sulla %2.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is deleted only once every connection that takes it has uploaded it.</source>
        <translation>Monitorata anche da %1: un file viene eliminato solo quando tutte le connessioni che lo prendono lo hanno caricato.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is moved to the archive only once every connection that takes it has uploaded it.</source>
        <translation>Monitorata anche da %1: un file viene spostato nell&apos;archivio solo quando tutte le connessioni che lo prendono lo hanno caricato.</translation>
    </message>
    <message>
        <source>Also watched by %1: the script runs for a file only once every connection that takes it has uploaded it.</source>
        <translation>Monitorata anche da %1: lo script viene eseguito per un file solo quando tutte le connessioni che lo prendono lo hanno caricato.</translation>
    </message>
    <message>
        <source>Also watched by %1: deleting, archiving or a script set on any of them waits until every connection that takes the file has uploaded it.</source>
        <translation>Monitorata anche da %1: l&apos;eliminazione, l&apos;archiviazione o uno script impostati su una di esse attendono finché tutte le connessioni che prendono il file lo hanno caricato.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRow</name>
    <message>
        <source>Enable connection</source>
        <translation>Attiva connessione</translation>
    </message>
    <message>
        <source>Schedule enabled</source>
        <translation>Pianificazione attiva</translation>
    </message>
    <message>
        <source>Open watched folder</source>
        <translation>Apri la cartella sorvegliata</translation>
    </message>
    <message>
        <source>simultaneous uploads</source>
        <translation>caricamenti simultanei</translation>
    </message>
    <message>
        <source>stability check</source>
        <translation>controllo di stabilità</translation>
    </message>
    <message>
        <source>Keyword preset</source>
        <translation>Preimpostazione di parole chiave</translation>
    </message>
    <message>
        <source>Disable connection</source>
        <translation>Disattiva connessione</translation>
    </message>
    <message>
        <source>Simultaneous uploads: </source>
        <translation>Caricamenti simultanei: </translation>
    </message>
    <message>
        <source>Stability check: </source>
        <translation>Controllo di stabilità: </translation>
    </message>
    <message>
        <source>Keyword preset: </source>
        <translation>Preimpostazione di parole chiave: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Modifica connessione</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowList</name>
    <message>
        <source>CONNECTIONS</source>
        <translation>CONNESSIONI</translation>
    </message>
    <message>
        <source>No connections configured</source>
        <translation>Nessuna connessione configurata</translation>
    </message>
    <message>
        <source>Add Connection</source>
        <translation>Aggiungi connessione</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowView</name>
    <message>
        <source>Disable connection</source>
        <translation>Disattiva connessione</translation>
    </message>
    <message>
        <source>Enable connection</source>
        <translation>Attiva connessione</translation>
    </message>
    <message>
        <source>Unlock connection</source>
        <translation>Sblocca connessione</translation>
    </message>
    <message>
        <source>Lock connection</source>
        <translation>Blocca connessione</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSecrets</name>
    <message>
        <source>no keyring is running in this session</source>
        <translation>nessun portachiavi è in esecuzione in questa sessione</translation>
    </message>
    <message numerus="yes">
        <source>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</source>
        <translation>
            <numerusform>La password di %n connessione è nel portachiavi, ma nessun portachiavi è in esecuzione, quindi attende. Avviane uno o fornisci la password come credenziale di systemd.</numerusform>
            <numerusform>Le password di %n connessioni sono nel portachiavi, ma nessun portachiavi è in esecuzione, quindi attendono. Avviane uno o fornisci le password come credenziali di systemd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring to give out the password.</source>
        <translation>In attesa che il portachiavi fornisca la password.</translation>
    </message>
    <message>
        <source>The password is in the keyring, which does not give it out yet: %1</source>
        <translation>La password è nel portachiavi, che non la fornisce ancora: %1</translation>
    </message>
    <message>
        <source>The keyring no longer holds the password of &quot;%1&quot;; enter it again in the connection&apos;s settings.</source>
        <translation>Il portachiavi non contiene più la password di «%1»; inseriscila di nuovo nelle impostazioni della connessione.</translation>
    </message>
    <message>
        <source>the keyring did not give the password back</source>
        <translation>il portachiavi non ha restituito la password</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n passwords from the preferences database to the keyring.</source>
        <translation>
            <numerusform>%n password spostata dal database delle preferenze al portachiavi.</numerusform>
            <numerusform>%n password spostate dal database delle preferenze al portachiavi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The keyring does not give out or take passwords (%1). Connections whose password is in it wait until it does: unlock the keyring, or enter their passwords again.</source>
        <translation>Il portachiavi non fornisce né accetta password (%1). Le connessioni la cui password vi si trova attendono finché non lo fa: sblocca il portachiavi o inserisci di nuovo le loro password.</translation>
    </message>
    <message>
        <source>No keyring was found, so passwords are stored in the preferences database (%1), which only you can read.</source>
        <translation>Nessun portachiavi trovato, quindi le password sono salvate nel database delle preferenze (%1), leggibile solo da te.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSection</name>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>My Server</source>
        <translation>Il mio server</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocollo</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>ftp.example.com</source>
        <translation>ftp.example.com</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Use the usual port</source>
        <translation>Usa la porta abituale</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Choose private key</source>
        <translation>Scegli la chiave privata</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear private key</source>
        <translation>Cancella la chiave privata</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Chiave privata</translation>
    </message>
    <message>
        <source>FTP Mode</source>
        <translation>Modalità FTP</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usa %1</translation>
    </message>
    <message>
        <source>Use port %1</source>
        <translation>Usa la porta %1</translation>
    </message>
    <message>
        <source>None (password login)</source>
        <translation>Nessuna (accesso con password)</translation>
    </message>
    <message>
        <source>Choose the SSH private key</source>
        <translation>Scegli la chiave privata SSH</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionTestArea</name>
    <message>
        <source>Test Connection</source>
        <translation>Prova connessione</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Prova in corso…</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message>
        <source>One or more connections have errors</source>
        <translation>Una o più connessioni hanno errori</translation>
    </message>
    <message>
        <source>Ondrix is uploading files</source>
        <translation>Ondrix sta caricando file</translation>
    </message>
    <message>
        <source>System going to sleep — pausing all connections</source>
        <translation>Il sistema va in sospensione — metto in pausa tutte le connessioni</translation>
    </message>
    <message>
        <source>System woke up — resuming connections</source>
        <translation>Il sistema si è riattivato — riprendo le connessioni</translation>
    </message>
    <message numerus="yes">
        <source>Upload Now: rescanning %n connections</source>
        <translation>
            <numerusform>Carica ora: nuova scansione di %n connessione</numerusform>
            <numerusform>Carica ora: nuova scansione di %n connessioni</numerusform>
        </translation>
    </message>
    <message>
        <source>System woke up — connections stay paused (%1)</source>
        <translation>Sistema riattivato — le connessioni restano in pausa (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsSettingsView</name>
    <message>
        <source>Select a connection or add a new one.</source>
        <translation>Seleziona una connessione o aggiungine una nuova.</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Connessioni</translation>
    </message>
    <message>
        <source>Add connection</source>
        <translation>Aggiungi connessione</translation>
    </message>
    <message>
        <source>Delete connection</source>
        <translation>Elimina connessione</translation>
    </message>
    <message>
        <source> Copy</source>
        <translation> (copia)</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Eliminare «%1»?</translation>
    </message>
    <message>
        <source>Delete this connection?</source>
        <translation>Eliminare questa connessione?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>L&apos;azione non può essere annullata.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
</context>
<context>
    <name>ondrix::DiskSpaceGuard</name>
    <message>
        <source>Low disk space: %1 GB free on %2, below the %3 GB minimum.</source>
        <translation>Spazio su disco scarso: %1 GB liberi su %2, sotto il minimo di %3 GB.</translation>
    </message>
    <message>
        <source>Paused until there is room again (their uploads do not free space): %1</source>
        <translation>In pausa finché non torna spazio (i loro caricamenti non ne liberano): %1</translation>
    </message>
    <message>
        <source>Disk space is back: %1 GB free on %2; connections paused for it resume.</source>
        <translation>Lo spazio su disco è tornato: %1 GB liberi su %2; le connessioni messe in pausa per questo riprendono.</translation>
    </message>
    <message>
        <source>Ondrix: Low disk space</source>
        <translation>Ondrix: spazio su disco scarso</translation>
    </message>
    <message>
        <source>Ondrix: Disk space is back</source>
        <translation>Ondrix: lo spazio su disco è tornato</translation>
    </message>
</context>
<context>
    <name>ondrix::ExtensionFilterView</name>
    <message>
        <source>File Types</source>
        <translation>Tipi di file</translation>
    </message>
    <message>
        <source>Extension preset</source>
        <translation>Preimpostazione delle estensioni</translation>
    </message>
    <message>
        <source>Reset to preset</source>
        <comment>ext.reset.button</comment>
        <translation>Ripristina la preimpostazione</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <translation>%1 (esclusi)</translation>
    </message>
    <message>
        <source>Ticked extensions are never uploaded.</source>
        <translation>Le estensioni spuntate non vengono mai caricate.</translation>
    </message>
    <message>
        <source>Only upload</source>
        <translation>Carica solo</translation>
    </message>
    <message>
        <source>every extension</source>
        <translation>ogni estensione</translation>
    </message>
    <message>
        <source>Never upload</source>
        <translation>Non caricare mai</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nulla di escluso</translation>
    </message>
    <message>
        <source>Upload them</source>
        <comment>ext.unspecified.download</comment>
        <translation>Caricali</translation>
    </message>
    <message>
        <source>Ignore them</source>
        <comment>ext.unspecified.ignore</comment>
        <translation>Ignorali</translation>
    </message>
    <message>
        <source>Files with unlisted extensions:</source>
        <comment>ext.unspecified.label</comment>
        <translation>File con estensioni non elencate:</translation>
    </message>
</context>
<context>
    <name>ondrix::GeneralSettingsTab</name>
    <message>
        <source>Scroll the general settings</source>
        <translation>Scorri le impostazioni generali</translation>
    </message>
    <message>
        <source>Scroll the general settings sideways</source>
        <translation>Scorri le impostazioni generali in orizzontale</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Launch Ondrix when I log in</source>
        <translation>Avvia Ondrix all&apos;accesso</translation>
    </message>
    <message>
        <source>Always show in the taskbar</source>
        <translation>Mostra sempre nella barra delle applicazioni</translation>
    </message>
    <message>
        <source>When disabled, Ondrix only appears in the taskbar while one of its windows is open.</source>
        <translation>Se disattivato, Ondrix appare nella barra delle applicazioni solo mentre una delle sue finestre è aperta.</translation>
    </message>
    <message>
        <source>Sleep Behavior</source>
        <translation>Sospensione</translation>
    </message>
    <message>
        <source>Prevent sleep during uploads</source>
        <translation>Impedisci la sospensione durante i caricamenti</translation>
    </message>
    <message>
        <source>Sleep is only prevented while files are actively uploading. Normal sleep resumes when idle.</source>
        <translation>La sospensione viene impedita solo mentre i file vengono effettivamente caricati. A riposo torna la sospensione normale.</translation>
    </message>
    <message>
        <source>Pause and resume on wake</source>
        <translation>Pausa e ripresa al risveglio</translation>
    </message>
    <message>
        <source>If the computer sleeps anyway (battery, lid close), transfers will pause and resume automatically on wake.</source>
        <translation>Se il computer va comunque in sospensione (batteria, coperchio chiuso), i trasferimenti vanno in pausa e riprendono automaticamente al risveglio.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Pause when on mobile hotspot</source>
        <translation>Pausa con hotspot mobile</translation>
    </message>
    <message>
        <source>Pause when internet is unavailable</source>
        <translation>Pausa quando Internet non è disponibile</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>Spazio su disco</translation>
    </message>
    <message>
        <source>Warn and pause if disk space is low</source>
        <translation>Avvisa e metti in pausa se lo spazio su disco è scarso</translation>
    </message>
    <message>
        <source>Minimum free space</source>
        <translation>Spazio libero minimo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Color theme</source>
        <translation>Tema colore</translation>
    </message>
    <message>
        <source>App color</source>
        <translation>Colore dell&apos;app</translation>
    </message>
    <message>
        <source>System color</source>
        <translation>Colore di sistema</translation>
    </message>
    <message>
        <source>App color uses Ondrix&apos;s signature purple for selections, switches and links in its windows, so they are easy to recognise. System color follows your desktop&apos;s accent color.</source>
        <translation>Il colore dell&apos;app usa il viola caratteristico di Ondrix per selezioni, interruttori e collegamenti nelle sue finestre, così sono facili da riconoscere. Il colore di sistema segue il colore d&apos;accento del desktop.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Restart Ondrix to apply the language change.</source>
        <translation>Riavvia Ondrix per applicare il cambio di lingua.</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitoraggio</translation>
    </message>
    <message>
        <source>Metrics file</source>
        <translation>File delle metriche</translation>
    </message>
    <message>
        <source>Ondrix keeps its counters in this file in Prometheus text format, rewritten every 10 seconds. Leave it empty to write none.</source>
        <translation>Ondrix scrive i suoi contatori in questo file nel formato di testo di Prometheus, ogni 10 secondi. Lascialo vuoto per non scriverne nessuno.</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryListModel</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Riuscito</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryView</name>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>No upload history.</source>
        <translation>Nessuna cronologia dei caricamenti.</translation>
    </message>
    <message>
        <source>Upload History</source>
        <translation>Cronologia dei caricamenti</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca…</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Cerca nella cronologia</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Cancella la ricerca</translation>
    </message>
    <message>
        <source>Clear the whole history</source>
        <translation>Cancella tutta la cronologia</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Caricamenti</translation>
    </message>
</context>
<context>
    <name>ondrix::InlineStepper</name>
    <message>
        <source>Decrease %1</source>
        <translation>Diminuisci %1</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>Aumenta %1</translation>
    </message>
</context>
<context>
    <name>ondrix::InotifyFileEventSource</name>
    <message>
        <source>Ondrix cannot watch %1 for new files: the system&apos;s limit of inotify instances per user (fs.inotify.max_user_instances = %2) is reached. New files are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_instances=1024 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Ondrix non può sorvegliare %1 per i nuovi file: è stato raggiunto il limite di sistema delle istanze inotify per utente (fs.inotify.max_user_instances = %2). I nuovi file vengono trovati solo dalla scansione periodica della cartella. Per alzare il limite, esegui: sudo sysctl fs.inotify.max_user_instances=1024 (per mantenerlo, aggiungi questa impostazione a un file in /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Some file changes below %1 were missed because the system&apos;s queue of file events overflowed (fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Alcune modifiche ai file sotto %1 sono andate perse perché la coda degli eventi sui file del sistema è traboccata (fs.inotify.max_queued_events = %2); la scansione periodica della cartella le recupera. Se succede spesso, alza il limite: sudo sysctl fs.inotify.max_queued_events=65536 (per mantenerlo, aggiungi questa impostazione a un file in /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Not every folder below %1 can be watched: the limit of %2 inotify watches per user (fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Non tutte le cartelle sotto %1 possono essere sorvegliate: è stato raggiunto il limite di %2 osservatori inotify per utente (fs.inotify.max_user_watches). I nuovi file nelle cartelle senza osservatore vengono trovati solo dalla scansione periodica della cartella. Per alzare il limite, esegui: sudo sysctl fs.inotify.max_user_watches=524288 (per mantenerlo, aggiungi questa impostazione a un file in /etc/sysctl.d/).</translation>
    </message>
</context>
<context>
    <name>ondrix::IptcPresetsSection</name>
    <message>
        <source>IPTC presets (*.ondrix-keywords *.json)</source>
        <translation>Preimpostazioni IPTC (*.ondrix-keywords *.json)</translation>
    </message>
    <message>
        <source>IPTC Presets</source>
        <translation>Preimpostazioni IPTC</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Import IPTC presets</source>
        <translation>Importa preimpostazioni IPTC</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Export IPTC presets</source>
        <translation>Esporta preimpostazioni IPTC</translation>
    </message>
    <message>
        <source>Enable IPTC presets</source>
        <translation>Attiva le preimpostazioni IPTC</translation>
    </message>
    <message>
        <source>Active preset</source>
        <translation>Preimpostazione attiva</translation>
    </message>
    <message>
        <source>Each preset can contain multiple IPTC keywords separated by commas. Switch presets to quickly change which keywords are injected before uploading.</source>
        <translation>Ogni preimpostazione può contenere più parole chiave IPTC separate da virgole. Cambia preimpostazione per modificare rapidamente le parole chiave inserite prima del caricamento.</translation>
    </message>
    <message>
        <source>New preset</source>
        <translation>Nuova preimpostazione</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nome della preimpostazione</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Rimuovi preimpostazione</translation>
    </message>
    <message>
        <source>Export IPTC Presets</source>
        <translation>Esporta preimpostazioni IPTC</translation>
    </message>
    <message>
        <source>The presets could not be written to %1: %2. Choose a folder you can write to.</source>
        <translation>Impossibile scrivere le preimpostazioni in %1: %2. Scegli una cartella in cui puoi scrivere.</translation>
    </message>
    <message>
        <source>Import IPTC Presets</source>
        <translation>Importa preimpostazioni IPTC</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not an IPTC presets file, so nothing was imported. %2</source>
        <translation>%1 non è un file di preimpostazioni IPTC, quindi non è stato importato nulla. %2</translation>
    </message>
</context>
<context>
    <name>ondrix::LocalFolderSection</name>
    <message>
        <source>Local Folder</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Choose local folder</source>
        <translation>Scegli la cartella locale</translation>
    </message>
    <message>
        <source>Monitor subfolders recursively</source>
        <translation>Sorveglia le sottocartelle in modo ricorsivo</translation>
    </message>
    <message>
        <source>Select the folder to watch for new files</source>
        <translation>Seleziona la cartella da sorvegliare per i nuovi file</translation>
    </message>
</context>
<context>
    <name>ondrix::LogView</name>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copia tutto</translation>
    </message>
    <message>
        <source>No log entries yet.</source>
        <translation>Ancora nessuna voce nel registro.</translation>
    </message>
    <message>
        <source>Sync Log</source>
        <translation>Registro di sincronizzazione</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Cancella il registro</translation>
    </message>
    <message>
        <source>Copy the whole log</source>
        <translation>Copia tutto il registro</translation>
    </message>
    <message>
        <source>Log entries</source>
        <translation>Voci del registro</translation>
    </message>
</context>
<context>
    <name>ondrix::LogindPowerMonitor</name>
    <message>
        <source>Pausing uploads before the system sleeps</source>
        <translation>Metto in pausa i caricamenti prima che il sistema vada in sospensione</translation>
    </message>
</context>
<context>
    <name>ondrix::MenuBarView</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Scroll the overview</source>
        <translation>Scorri la panoramica</translation>
    </message>
    <message>
        <source>Scroll the overview sideways</source>
        <translation>Scorri la panoramica in orizzontale</translation>
    </message>
</context>
<context>
    <name>ondrix::MetricsFile</name>
    <message>
        <source>The metrics file %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il file delle metriche %1: %2</translation>
    </message>
</context>
<context>
    <name>ondrix::NamePromptBar</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationService</name>
    <message>
        <source>Ondrix: 1 file uploaded</source>
        <translation>Ondrix: 1 file caricato</translation>
    </message>
    <message>
        <source>...and %1 more</source>
        <translation>…e altri %1</translation>
    </message>
    <message>
        <source>Ondrix: Upload failed</source>
        <translation>Ondrix: caricamento non riuscito</translation>
    </message>
    <message numerus="yes">
        <source>Ondrix: %n files uploaded</source>
        <translation>
            <numerusform>Ondrix: %n file caricato</numerusform>
            <numerusform>Ondrix: %n file caricati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationsSettingsTab</name>
    <message>
        <source>Scroll the notification settings</source>
        <translation>Scorri le impostazioni delle notifiche</translation>
    </message>
    <message>
        <source>Scroll the notification settings sideways</source>
        <translation>Scorri le impostazioni delle notifiche in orizzontale</translation>
    </message>
    <message>
        <source>Upload Notifications</source>
        <translation>Notifiche di caricamento</translation>
    </message>
    <message>
        <source>Notify when uploads complete</source>
        <translation>Notifica al termine dei caricamenti</translation>
    </message>
    <message>
        <source>Group notifications (summary instead of file list)</source>
        <translation>Raggruppa le notifiche (riepilogo invece dell&apos;elenco dei file)</translation>
    </message>
    <message>
        <source>Error Notifications</source>
        <translation>Notifiche di errore</translation>
    </message>
    <message>
        <source>Notify on connection errors</source>
        <translation>Notifica in caso di errori di connessione</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Play sound on upload</source>
        <translation>Riproduci un suono al caricamento</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Preview the sound</source>
        <translation>Ascolta il suono</translation>
    </message>
    <message>
        <source>Schedule Notifications</source>
        <translation>Notifiche della pianificazione</translation>
    </message>
    <message>
        <source>Notify when connections pause/resume by schedule</source>
        <translation>Notifica quando le connessioni vanno in pausa o riprendono secondo la pianificazione</translation>
    </message>
    <message numerus="yes">
        <source>Only if %n or more files</source>
        <translation>
            <numerusform>Solo se %n o più file</numerusform>
            <numerusform>Solo se %n o più file</numerusform>
        </translation>
    </message>
    <message>
        <source>After 1 failure</source>
        <translation>Dopo 1 errore</translation>
    </message>
    <message numerus="yes">
        <source>After %n consecutive failures</source>
        <translation>
            <numerusform>Dopo %n errore</numerusform>
            <numerusform>Dopo %n errori consecutivi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::PauseReasons</name>
    <message>
        <source>by you</source>
        <translation>da te</translation>
    </message>
    <message>
        <source>the computer sleeps</source>
        <translation>il computer è in stop</translation>
    </message>
    <message>
        <source>no network</source>
        <translation>nessuna rete</translation>
    </message>
    <message>
        <source>metered network</source>
        <translation>rete a consumo</translation>
    </message>
    <message>
        <source>low disk space</source>
        <translation>poco spazio su disco</translation>
    </message>
    <message>
        <source>outside the scheduled hours</source>
        <translation>fuori dall’orario programmato</translation>
    </message>
    <message>
        <source>Paused (%1)</source>
        <extracomment>The reasons are joined by commas, such as &quot;by you, no network&quot;.</extracomment>
        <translation>In pausa (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverControls</name>
    <message>
        <source>Upload Now</source>
        <translation>Carica ora</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once</source>
        <translation>Riesamina ora ogni connessione in esecuzione e riprova subito i file non riusciti</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenzia</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Riattiva audio</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverFooter</name>
    <message>
        <source>History...</source>
        <translation>Cronologia…</translation>
    </message>
    <message>
        <source>Log...</source>
        <translation>Registro…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Informazioni su Ondrix</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverHeader</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverSummary</name>
    <message>
        <source>STATISTICS</source>
        <translation>STATISTICHE</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Da sempre</translation>
    </message>
    <message>
        <source>Last activity: </source>
        <translation>Ultima attività: </translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverWindow</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
</context>
<context>
    <name>ondrix::PostUploadSection</name>
    <message>
        <source>Post-Upload Action</source>
        <translation>Azione dopo il caricamento</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Move to archive folder</source>
        <translation>Sposta nella cartella di archivio</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>Esegui script</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Choose archive folder or script</source>
        <translation>Scegli la cartella di archivio o lo script</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Scegli la cartella di archivio</translation>
    </message>
    <message>
        <source>Choose the script to run</source>
        <translation>Scegli lo script da eseguire</translation>
    </message>
</context>
<context>
    <name>ondrix::RecentUploadsList</name>
    <message>
        <source>RECENT</source>
        <translation>RECENTI</translation>
    </message>
    <message>
        <source>No recent uploads</source>
        <translation>Nessun caricamento recente</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteControlService</name>
    <message>
        <source>no session bus</source>
        <translation>nessun bus di sessione</translation>
    </message>
    <message>
        <source>another instance owns %1</source>
        <translation>un&apos;altra istanza possiede già %1</translation>
    </message>
    <message>
        <source>The running Ondrix has no windows (it runs headless); %1 does nothing.</source>
        <translation>L&apos;Ondrix in esecuzione non ha finestre (funziona senza interfaccia); %1 non ha effetto.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderPickerView</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select This Folder</source>
        <translation>Seleziona questa cartella</translation>
    </message>
    <message>
        <source>Choose Remote Folder</source>
        <translation>Scegli la cartella remota</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Cartella superiore</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>No subfolders</source>
        <translation>Nessuna sottocartella</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Impossibile mostrare questa cartella</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>The server lists a folder named “%1”, which cannot be opened safely.</source>
        <translation>Il server elenca una cartella chiamata «%1», che non può essere aperta in sicurezza.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderSection</name>
    <message>
        <source>Remote Folder</source>
        <translation>Cartella remota</translation>
    </message>
    <message>
        <source>Remote path</source>
        <translation>Percorso remoto</translation>
    </message>
    <message>
        <source>/uploads/photos</source>
        <translation>/caricamenti/foto</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Browse remote folders</source>
        <translation>Sfoglia le cartelle remote</translation>
    </message>
    <message>
        <source>Preserve subfolder structure on server</source>
        <translation>Mantieni la struttura delle sottocartelle sul server</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteItemModel</name>
    <message>
        <source>%1 — the server sent a name that cannot be used safely</source>
        <translation>%1 — il server ha inviato un nome che non può essere usato in sicurezza</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source> (tag: %1)</source>
        <translation> (etichetta: %1)</translation>
    </message>
</context>
<context>
    <name>ondrix::RemotePathBar</name>
    <message>
        <source>Go to %1</source>
        <translation>Vai a %1</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSection</name>
    <message>
        <source>Schedule</source>
        <translation>Pianificazione</translation>
    </message>
    <message>
        <source>Upload only during scheduled hours</source>
        <translation>Carica solo negli orari pianificati</translation>
    </message>
    <message>
        <source>One hour earlier: %1</source>
        <translation>Un&apos;ora prima: %1</translation>
    </message>
    <message>
        <source>One hour later: %1</source>
        <translation>Un&apos;ora dopo: %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inizio</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Orari</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dalle</translation>
    </message>
    <message>
        <source>to</source>
        <translation>alle</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSupervisor</name>
    <message>
        <source>Paused: outside its scheduled hours (%1)</source>
        <translation>In pausa: fuori dagli orari pianificati (%1)</translation>
    </message>
    <message>
        <source>Resumed: within its scheduled hours (%1)</source>
        <translation>Ripresa: negli orari pianificati (%1)</translation>
    </message>
    <message>
        <source>Ondrix: %1 paused</source>
        <translation>Ondrix: %1 in pausa</translation>
    </message>
    <message>
        <source>Ondrix: %1 resumed</source>
        <translation>Ondrix: %1 ripresa</translation>
    </message>
</context>
<context>
    <name>ondrix::SettingsView</name>
    <message>
        <source>Settings sections</source>
        <translation>Sezioni delle impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Connessioni</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
</context>
<context>
    <name>ondrix::StatsService</name>
    <message>
        <source>1 file (%1)</source>
        <translation>1 file (%1)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>proprio ora</translation>
    </message>
    <message>
        <source>%1s ago</source>
        <translation>%1 s fa</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 min fa</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 h fa</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 g fa</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message numerus="yes">
        <source>%n files (%1)</source>
        <translation>
            <numerusform>%n file (%1)</numerusform>
            <numerusform>%n file (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::StatusIconController</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Ondrix — paused</source>
        <translation>Ondrix — in pausa</translation>
    </message>
    <message>
        <source>Ondrix — uploading</source>
        <translation>Ondrix — caricamento in corso</translation>
    </message>
    <message>
        <source>Ondrix — checking new files</source>
        <translation>Ondrix — controllo dei nuovi file</translation>
    </message>
    <message>
        <source>Ondrix — error: %1</source>
        <translation>Ondrix — errore: %1</translation>
    </message>
    <message>
        <source>Ondrix — watching folders</source>
        <translation>Ondrix — sorveglianza delle cartelle</translation>
    </message>
</context>
<context>
    <name>ondrix::TagsSection</name>
    <message>
        <source>File Manager Tags</source>
        <translation>Etichette del file manager</translation>
    </message>
    <message>
        <source>Tag files by upload status</source>
        <translation>Etichetta i file in base allo stato del caricamento</translation>
    </message>
    <message>
        <source>Files in the watched folder will be tagged in the file manager:</source>
        <translation>I file nella cartella sorvegliata verranno etichettati nel file manager:</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>In caricamento</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>ondrix::TransferSection</name>
    <message>
        <source>Sync &amp;&amp; Transfer</source>
        <translation>Sincronizzazione &amp;&amp; trasferimento</translation>
    </message>
    <message>
        <source>Stability check</source>
        <translation>Controllo di stabilità</translation>
    </message>
    <message>
        <source>Wait this long after the last file write before uploading.</source>
        <translation>Attendi questo tempo dopo l&apos;ultima scrittura del file prima di caricarlo.</translation>
    </message>
    <message>
        <source>Simultaneous uploads</source>
        <translation>Caricamenti simultanei</translation>
    </message>
    <message>
        <source>Delete local file after successful upload</source>
        <translation>Elimina il file locale dopo un caricamento riuscito</translation>
    </message>
    <message>
        <source>Conflict resolution</source>
        <translation>Risoluzione dei conflitti</translation>
    </message>
    <message>
        <source>Upload under a temporary name, then rename</source>
        <translation>Carica con un nome temporaneo, poi rinomina</translation>
    </message>
    <message>
        <source>The file arrives as a hidden name in the target folder and gets its real name once complete, so nothing watching the server sees half a file.</source>
        <translation>Il file arriva con un nome nascosto nella cartella di destinazione e riceve il suo nome reale una volta completo, così nulla che sorvegli il server vede un file a metà.</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>ondrix::UpdateChecker</name>
    <message>
        <source>the answer holds no version</source>
        <translation>la risposta non contiene alcuna versione</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Impossibile controllare gli aggiornamenti</translation>
    </message>
    <message>
        <source>%1. Check the internet connection and try again later.</source>
        <translation>%1. Controlla la connessione a Internet e riprova più tardi.</translation>
    </message>
    <message>
        <source>Download: %1</source>
        <translation>Download: %1</translation>
    </message>
    <message>
        <source>Ondrix %1 is available</source>
        <translation>Ondrix %1 è disponibile</translation>
    </message>
    <message>
        <source>Ondrix is up to date</source>
        <translation>Ondrix è aggiornato</translation>
    </message>
    <message>
        <source>Version %1 is the newest.</source>
        <translation>La versione %1 è la più recente.</translation>
    </message>
    <message>
        <source>the answer is larger than a feed can be</source>
        <translation>la risposta è più grande di quanto possa essere un feed</translation>
    </message>
</context>
</TS>
