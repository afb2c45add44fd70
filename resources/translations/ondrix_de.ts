<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutInfo</name>
    <message>
        <source>Ondrix %1 (build %2)</source>
        <translation>Ondrix %1 (Build %2)</translation>
    </message>
</context>
<context>
    <name>BrowserTag</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
</context>
<context>
    <name>ConnectionStatusReport</name>
    <message>
        <source>Idle</source>
        <translation>Leerlauf</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Überwacht</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 queued, %2 uploading</source>
        <translation>%1 in Warteschlange, %2 werden hochgeladen</translation>
    </message>
    <message>
        <source>last error: %1</source>
        <translation>letzter Fehler: %1</translation>
    </message>
    <message>
        <source>No connections are set up.</source>
        <translation>Es sind keine Verbindungen eingerichtet.</translation>
    </message>
</context>
<context>
    <name>ConnectionTester</name>
    <message>
        <source>✓ Connected successfully</source>
        <translation>✓ Verbindung erfolgreich</translation>
    </message>
</context>
<context>
    <name>ConnectionsCommand</name>
    <message>
        <source>Quit Ondrix first, or change the connections in its settings window.</source>
        <translation>Beenden Sie zuerst Ondrix oder ändern Sie die Verbindungen in seinem Einstellungsfenster.</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read: %1</source>
        <translation>Die gespeicherte Verbindungsliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No connections.</source>
        <translation>Keine Verbindungen.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 was not imported, nothing changed: %2</source>
        <translation>%1 wurde nicht importiert, nichts wurde geändert: %2</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read (%1); nothing changed.</source>
        <translation>Die gespeicherte Verbindungsliste kann nicht gelesen werden (%1); nichts wurde geändert.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n connections</source>
        <translation>
            <numerusform>%n Verbindung importiert</numerusform>
            <numerusform>%n Verbindungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n replaced).</source>
        <translation>
            <numerusform> (%n ersetzt).</numerusform>
            <numerusform> (%n ersetzt).</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: ondrix connections list
       ondrix connections export [--with-passwords] [--output connections.json]
       ondrix connections import [--yes] connections.json</source>
        <translation>Aufruf: ondrix connections list
        ondrix connections export [--with-passwords] [--output connections.json]
        ondrix connections import [--yes] connections.json</translation>
    </message>
    <message>
        <source>key &quot;%1&quot;: %2</source>
        <translation>Schlüssel „%1“: %2</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>kein Host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a scheme; give the host name alone</source>
        <translation>„%1“ enthält ein Schema; geben Sie nur den Hostnamen an</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a path, credentials or spaces; give the host name alone</source>
        <translation>„%1“ enthält einen Pfad, Anmeldedaten oder Leerzeichen; geben Sie nur den Hostnamen an</translation>
    </message>
    <message>
        <source>%1 is not a port (1 to 65535)</source>
        <translation>%1 ist kein Port (1 bis 65535)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an executable file</source>
        <translation>„%1“ ist keine ausführbare Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed by other users; make it writable by you only</source>
        <translation>„%1“ kann von anderen Benutzern geändert werden; machen Sie die Datei nur für Sie beschreibbar</translation>
    </message>
    <message>
        <source>Passwords are not printed to a terminal. Write them to a file only you can read instead:
    ondrix connections export --with-passwords --output connections.json</source>
        <translation>Passwörter werden nicht in einem Terminal ausgegeben. Schreiben Sie sie stattdessen in eine Datei, die nur Sie lesen können:
    ondrix connections export --with-passwords --output connections.json</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; cannot be read (%2); nothing was exported.</source>
        <translation>Das Passwort von „%1“ kann nicht gelesen werden (%2); es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is larger than a connection list can be (%1 bytes, at most %2)</source>
        <translation>die Datei ist größer, als eine Verbindungsliste sein kann (%1 Bytes, höchstens %2)</translation>
    </message>
    <message>
        <source>connection %1, key &quot;%2&quot;: nested deeper than a connection list is</source>
        <translation>Verbindung %1, Schlüssel „%2“: tiefer verschachtelt, als eine Verbindungsliste ist</translation>
    </message>
    <message>
        <source>connection %1 (&quot;%2&quot;), %3</source>
        <translation>Verbindung %1 („%2“), %3</translation>
    </message>
    <message>
        <source>nothing after upload</source>
        <translation>nichts nach dem Hochladen</translation>
    </message>
    <message>
        <source>moves files to %1</source>
        <translation>verschiebt Dateien nach %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>führt %1 aus</translation>
    </message>
    <message>
        <source>deletes local files</source>
        <translation>löscht lokale Dateien</translation>
    </message>
    <message>
        <source>some connections delete local files or run a script; check the lines above and import again with --yes</source>
        <translation>einige Verbindungen löschen lokale Dateien oder führen ein Skript aus; prüfen Sie die Zeilen oben und importieren Sie erneut mit --yes</translation>
    </message>
    <message>
        <source>The keyring did not take the passwords of %1 (%2); nothing changed.</source>
        <translation>Der Schlüsselbund hat die Passwörter von %1 nicht angenommen (%2); nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>CurlHandle</name>
    <message>
        <source> (active mode does not work with FTPS; use passive mode)</source>
        <translation> (der aktive Modus funktioniert nicht mit FTPS; verwenden Sie den passiven Modus)</translation>
    </message>
    <message>
        <source>: the SSH handshake failed because the server offers no key exchange or host key type that %1 supports. The usual cause is a server with only an RSA host key: %1 cannot check its SHA-2 signatures. Give the server an Ed25519 or ECDSA host key (ssh-keygen -A on the server) and connect again.</source>
        <translation>: Der SSH-Handshake ist fehlgeschlagen, weil der Server kein Schlüsselaustausch- oder Hostschlüsselverfahren anbietet, das %1 unterstützt. Meist hat der Server nur einen RSA-Hostschlüssel: %1 kann dessen SHA-2-Signaturen nicht prüfen. Geben Sie dem Server einen Ed25519- oder ECDSA-Hostschlüssel (ssh-keygen -A auf dem Server) und verbinden Sie sich erneut.</translation>
    </message>
    <message>
        <source>Failed to initialize libcurl</source>
        <translation>libcurl konnte nicht initialisiert werden</translation>
    </message>
</context>
<context>
    <name>CurlTransferClient</name>
    <message>
        <source>The remote path contains a line break or NUL character and was not sent: %1</source>
        <translation>Der entfernte Pfad enthält einen Zeilenumbruch oder ein NUL-Zeichen und wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>The server&apos;s listing of this folder is larger than %1, so it is not shown; open a sub-folder, or tidy this folder on the server</source>
        <translation>Die Auflistung dieses Ordners durch den Server ist größer als %1 und wird daher nicht angezeigt; öffnen Sie einen Unterordner oder räumen Sie diesen Ordner auf dem Server auf</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix desktop module</source>
        <translation>%1 ist kein Ondrix-Desktopmodul</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 gehört zu einer anderen Version von Ondrix</translation>
    </message>
</context>
<context>
    <name>ExtensionCategory</name>
    <message>
        <source>Images</source>
        <comment>ext.cat.images</comment>
        <translation>Bilder</translation>
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
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment>ext.cat.temp</comment>
        <translation>Temporäre Dateien</translation>
    </message>
</context>
<context>
    <name>FTPError</name>
    <message>
        <source>Connection failed: </source>
        <translation>Verbindung fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Remote path not found: </source>
        <translation>Entfernter Pfad nicht gefunden: </translation>
    </message>
    <message>
        <source>Cannot read file: </source>
        <translation>Datei kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>Cannot write to: </source>
        <translation>Schreiben nicht möglich nach: </translation>
    </message>
    <message>
        <source>Transfer failed: </source>
        <translation>Übertragung fehlgeschlagen: </translation>
    </message>
    <message>
        <source>curl error </source>
        <translation>curl-Fehler </translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>FTPUploader</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es ist eine benannte Pipe, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine normale Datei</translation>
    </message>
    <message>
        <source> (it is a symbolic link; links are not followed, only regular files inside the folder are uploaded)</source>
        <translation> (es ist ein symbolischer Link; Links werden nicht verfolgt, nur normale Dateien im Ordner werden hochgeladen)</translation>
    </message>
    <message>
        <source>The server does not tell the size of %1, so whether it holds the file cannot be checked</source>
        <translation>Der Server nennt die Größe von %1 nicht, daher lässt sich nicht prüfen, ob er die Datei vollständig hat</translation>
    </message>
    <message>
        <source> (it is not inside the watched folder)</source>
        <translation> (sie liegt nicht im überwachten Ordner)</translation>
    </message>
    <message>
        <source>The server&apos;s reply was longer than %1 bytes and was cut off; the server does not answer as an FTP server should</source>
        <translation>Die Antwort des Servers war länger als %1 Bytes und wurde abgeschnitten; der Server antwortet nicht, wie ein FTP-Server es sollte</translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>The host name is not valid. Enter a name such as ftp.example.com or an IP address.</source>
        <translation>Der Hostname ist ungültig. Geben Sie einen Namen wie ftp.example.com oder eine IP-Adresse ein.</translation>
    </message>
    <message>
        <source>The host &quot;%1&quot; was not found. Check its spelling and your network connection.</source>
        <translation>Der Host „%1“ wurde nicht gefunden. Prüfen Sie die Schreibweise und Ihre Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>Nothing accepted a connection at %1 on port %2. Check the host and the port (FTP and FTPS usually use 21, SFTP 22) and that the server is running.</source>
        <translation>Unter %1 hat auf Port %2 nichts eine Verbindung angenommen. Prüfen Sie Host und Port (FTP und FTPS verwenden meist 21, SFTP 22) und ob der Server läuft.</translation>
    </message>
    <message>
        <source>The server did not answer in time. Check the host and the port, and whether a firewall blocks the connection.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet. Prüfen Sie Host und Port und ob eine Firewall die Verbindung blockiert.</translation>
    </message>
    <message>
        <source>The server refused the login. Check the username and the password.</source>
        <translation>Der Server hat die Anmeldung abgelehnt. Prüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>The server refused to open the folder: it may not exist, or this user may not have access to it. Check the remote path and the user&apos;s permissions on the server.</source>
        <translation>Der Server hat das Öffnen des Ordners verweigert: Er existiert vielleicht nicht, oder dieser Benutzer hat keinen Zugriff darauf. Prüfen Sie den entfernten Pfad und die Rechte des Benutzers auf dem Server.</translation>
    </message>
    <message>
        <source>The folder or file does not exist on the server. Check the remote path.</source>
        <translation>Der Ordner oder die Datei existiert auf dem Server nicht. Prüfen Sie den entfernten Pfad.</translation>
    </message>
    <message>
        <source>The server&apos;s host key could not be checked. Connect again; if it persists, check the known hosts file.</source>
        <translation>Der Hostschlüssel des Servers konnte nicht geprüft werden. Verbinden Sie sich erneut; besteht das Problem weiter, prüfen Sie die Datei der bekannten Hosts.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted or is not made out to &quot;%1&quot;. Check the host name; for a private certificate authority, point SSL_CERT_FILE at its certificate.</source>
        <translation>Das Zertifikat des Servers ist nicht vertrauenswürdig oder nicht auf „%1“ ausgestellt. Prüfen Sie den Hostnamen; für eine private Zertifizierungsstelle setzen Sie SSL_CERT_FILE auf deren Zertifikat.</translation>
    </message>
    <message>
        <source>The secure connection could not be set up. Check that the server offers explicit FTPS (TLS) on this port.</source>
        <translation>Die sichere Verbindung konnte nicht aufgebaut werden. Prüfen Sie, ob der Server auf diesem Port explizites FTPS (TLS) anbietet.</translation>
    </message>
    <message>
        <source>The server does not offer TLS. Choose FTP if it has no encryption, or enable TLS on the server.</source>
        <translation>Der Server bietet kein TLS an. Wählen Sie FTP, wenn er keine Verschlüsselung hat, oder aktivieren Sie TLS auf dem Server.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was not understood. Check that the protocol matches the server (SFTP for SSH servers, FTP or FTPS otherwise) and the port.</source>
        <translation>Die Antwort des Servers wurde nicht verstanden. Prüfen Sie, ob das Protokoll zum Server passt (SFTP für SSH-Server, sonst FTP oder FTPS) und den Port.</translation>
    </message>
    <message>
        <source>The server could not open the data connection in active mode. Choose passive mode.</source>
        <translation>Der Server konnte die Datenverbindung im aktiven Modus nicht öffnen. Wählen Sie den passiven Modus.</translation>
    </message>
    <message>
        <source>The connection was cut off. Try again; if it keeps happening, check the protocol, the port and the server&apos;s connection limits.</source>
        <translation>Die Verbindung wurde unterbrochen. Versuchen Sie es erneut; passiert das öfter, prüfen Sie Protokoll, Port und die Verbindungsgrenzen des Servers.</translation>
    </message>
    <message>
        <source>The private key file %1 cannot be read. Choose the key file again in the connection&apos;s settings.</source>
        <translation>Die Datei des privaten Schlüssels %1 kann nicht gelesen werden. Wählen Sie die Schlüsseldatei in den Einstellungen der Verbindung erneut aus.</translation>
    </message>
    <message>
        <source>The server refused the login with the key %1. Check the username, and that the key&apos;s public part is in the server&apos;s authorized_keys file.</source>
        <translation>Der Server hat die Anmeldung mit dem Schlüssel %1 abgelehnt. Prüfen Sie den Benutzernamen und ob der öffentliche Teil des Schlüssels in der Datei authorized_keys des Servers steht.</translation>
    </message>
    <message>
        <source>The connection ended before the whole file arrived. The file is sent again.</source>
        <translation>Die Verbindung endete, bevor die ganze Datei angekommen war. Die Datei wird erneut gesendet.</translation>
    </message>
    <message>
        <source>The server refused to store the file. Check that the user may write to the remote folder and that the server has free space.</source>
        <translation>Der Server hat das Speichern der Datei abgelehnt. Prüfen Sie, ob der Benutzer in den entfernten Ordner schreiben darf und ob der Server freien Speicherplatz hat.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full. Free space on the server; the file is sent again.</source>
        <translation>Der Datenträger des Servers ist voll. Geben Sie auf dem Server Speicherplatz frei; die Datei wird erneut gesendet.</translation>
    </message>
    <message>
        <source>The SSH connection broke off. The file is sent again; if it keeps happening, check the network and the server&apos;s session and connection limits.</source>
        <translation>Die SSH-Verbindung ist abgebrochen. Die Datei wird erneut gesendet; passiert das öfter, prüfen Sie das Netzwerk und die Sitzungs- und Verbindungsgrenzen des Servers.</translation>
    </message>
    <message>
        <source>The connection was cut off. The file is sent again; if it keeps happening, check the network and the server&apos;s connection limits.</source>
        <translation>Die Verbindung wurde unterbrochen. Die Datei wird erneut gesendet; wenn das öfter passiert, prüfen Sie das Netzwerk und die Verbindungsgrenzen des Servers.</translation>
    </message>
</context>
<context>
    <name>FailureNotices</name>
    <message numerus="yes">
        <source>%1 (failed %n times in a row)</source>
        <translation>
            <numerusform>%1 (%n-mal hintereinander fehlgeschlagen)</numerusform>
            <numerusform>%1 (%n-mal hintereinander fehlgeschlagen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPresets</name>
    <message>
        <source>All files (no filter)</source>
        <translation>Alle Dateien (kein Filter)</translation>
    </message>
    <message>
        <source>Downloads every file without filtering</source>
        <translation>Lädt jede Datei ohne Filter hoch</translation>
    </message>
    <message>
        <source>All except temporaries (recommended)</source>
        <translation>Alles außer temporären Dateien (empfohlen)</translation>
    </message>
    <message>
        <source>Downloads everything, ignores temp/partial files</source>
        <translation>Lädt alles hoch, ignoriert temporäre und unvollständige Dateien</translation>
    </message>
    <message>
        <source>Photography</source>
        <translation>Fotografie</translation>
    </message>
    <message>
        <source>RAW, processed images and sidecar files</source>
        <translation>RAW, bearbeitete Bilder und Begleitdateien</translation>
    </message>
    <message>
        <source>E-commerce / Data</source>
        <translation>E-Commerce / Daten</translation>
    </message>
    <message>
        <source>CSV, Excel, XML, JSON and EDI files</source>
        <translation>CSV-, Excel-, XML-, JSON- und EDI-Dateien</translation>
    </message>
    <message>
        <source>Audiovisual</source>
        <translation>Audiovisuell</translation>
    </message>
    <message>
        <source>Video, audio, subtitles and editing formats</source>
        <translation>Video, Audio, Untertitel und Schnittformate</translation>
    </message>
    <message>
        <source>Health / Compliance</source>
        <translation>Gesundheit / Compliance</translation>
    </message>
    <message>
        <source>Medical, HL7, DICOM and encrypted files</source>
        <translation>Medizinische, HL7-, DICOM- und verschlüsselte Dateien</translation>
    </message>
    <message>
        <source>Finance / Accounting</source>
        <translation>Finanzen / Buchhaltung</translation>
    </message>
    <message>
        <source>Banking, invoicing and financial data</source>
        <translation>Bank-, Rechnungs- und Finanzdaten</translation>
    </message>
    <message>
        <source>Data / Analytics</source>
        <translation>Daten / Analyse</translation>
    </message>
    <message>
        <source>Datasets, compressed archives and query formats</source>
        <translation>Datensätze, komprimierte Archive und Abfrageformate</translation>
    </message>
    <message>
        <source>Research / Science</source>
        <translation>Forschung / Wissenschaft</translation>
    </message>
    <message>
        <source>Scientific data, genomics and simulation files</source>
        <translation>Wissenschaftliche Daten, Genomik- und Simulationsdateien</translation>
    </message>
    <message>
        <source>Agency / Creative</source>
        <translation>Agentur / Kreativ</translation>
    </message>
    <message>
        <source>Design, photography and creative assets</source>
        <translation>Design, Fotografie und kreative Dateien</translation>
    </message>
    <message>
        <source>IT / Integrations</source>
        <translation>IT / Integrationen</translation>
    </message>
    <message>
        <source>Config, logs, backups and data exchange</source>
        <translation>Konfigurationen, Protokolle, Sicherungen und Datenaustausch</translation>
    </message>
    <message>
        <source>Print / Graphics</source>
        <translation>Druck / Grafik</translation>
    </message>
    <message>
        <source>Print-ready, prepress and design files</source>
        <translation>Druckfertige, Druckvorstufen- und Designdateien</translation>
    </message>
    <message>
        <source>Photos only</source>
        <translation>Nur Fotos</translation>
    </message>
    <message>
        <source>RAW + processed image formats</source>
        <translation>RAW- und bearbeitete Bildformate</translation>
    </message>
    <message>
        <source>Video only</source>
        <translation>Nur Video</translation>
    </message>
    <message>
        <source>Common video and cinema formats</source>
        <translation>Gängige Video- und Kinoformate</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Define your own extensions</source>
        <translation>Eigene Endungen festlegen</translation>
    </message>
</context>
<context>
    <name>FolderDeliveries</name>
    <message>
        <source>Its after-upload action is left out for the files it shares with %1, which comes first in the list of connections and acts on them; a file is acted on once, after every connection has it</source>
        <translation>Die Aktion nach dem Hochladen entfällt für die Dateien, die sie mit %1 teilt; diese steht in der Liste der Verbindungen weiter oben und übernimmt sie. Eine Datei wird einmal behandelt, nachdem jede Verbindung sie hat</translation>
    </message>
    <message>
        <source>Kept until %1 has it too: </source>
        <translation>Aufbewahrt, bis auch %1 sie hat: </translation>
    </message>
    <message>
        <source>Keeps its record of uploaded files together with %1 (same server address, local folder and remote folder): after a restart, a file either of them sent counts as sent by both, so files both take are neither deleted, moved nor handed to a script after their upload. Give one of them another remote folder.</source>
        <translation>Führt das Verzeichnis hochgeladener Dateien gemeinsam mit %1 (gleiche Serveradresse, gleicher lokaler und entfernter Ordner): Nach einem Neustart gilt eine Datei, die eine der beiden gesendet hat, als von beiden gesendet; daher werden Dateien, die beide übernehmen, nach dem Hochladen weder gelöscht noch verschoben noch an ein Skript übergeben. Geben Sie einer der beiden einen anderen entfernten Ordner.</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>Not selected</source>
        <translation>Nicht ausgewählt</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <source>size verified</source>
        <translation>Größe geprüft</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <extracomment>%1 is a checksum algorithm, e.g. SHA-256</extracomment>
        <translation>%1 geprüft</translation>
    </message>
</context>
<context>
    <name>IPTCMetadataService</name>
    <message>
        <source>Keywords cannot be written into images, so images are uploaded without them: %1. Reinstall Ondrix to restore its keyword module.</source>
        <translation>Stichwörter können nicht in Bilder geschrieben werden, daher werden Bilder ohne sie hochgeladen: %1. Installieren Sie Ondrix neu, um sein Stichwortmodul wiederherzustellen.</translation>
    </message>
    <message>
        <source>%1 is larger than 2 GiB, so it goes up without the connection&apos;s keywords</source>
        <translation>%1 ist größer als 2 GiB und wird daher ohne die Stichwörter der Verbindung hochgeladen</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>IptcPresetsFile</name>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Die Datei ist kein gültiges JSON (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The file does not hold a list of presets.</source>
        <translation>Die Datei enthält keine Liste von Vorlagen.</translation>
    </message>
    <message>
        <source>Preset %1 of the file is not an object with the text fields &quot;id&quot;, &quot;name&quot; and &quot;keyword&quot;.</source>
        <translation>Vorlage %1 der Datei ist kein Objekt mit den Textfeldern „id“, „name“ und „keyword“.</translation>
    </message>
</context>
<context>
    <name>KeywordModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix keyword module</source>
        <translation>%1 ist kein Stichwortmodul von Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 gehört zu einer anderen Version von Ondrix</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not set Ondrix to start at login: %1</source>
        <translation>Ondrix konnte nicht für den Start bei der Anmeldung eingerichtet werden: %1</translation>
    </message>
    <message>
        <source>Could not stop Ondrix from starting at login: %1</source>
        <translation>Der Start von Ondrix bei der Anmeldung konnte nicht abgeschaltet werden: %1</translation>
    </message>
</context>
<context>
    <name>LogLevelStyle</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>MenuBarPresentation</name>
    <message>
        <source>No network</source>
        <translation>Kein Netzwerk</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Keine Verbindungen</translation>
    </message>
    <message>
        <source>1 active connection</source>
        <translation>1 aktive Verbindung</translation>
    </message>
    <message>
        <source>Paused — mobile hotspot detected</source>
        <translation>Pausiert – mobiler Hotspot erkannt</translation>
    </message>
    <message>
        <source>Paused — no internet connection</source>
        <translation>Pausiert – keine Internetverbindung</translation>
    </message>
    <message>
        <source>Preventing sleep — uploading</source>
        <translation>Ruhezustand verhindert – Upload läuft</translation>
    </message>
    <message>
        <source>Sleep prevention enabled</source>
        <translation>Ruhezustand-Verhinderung aktiv</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>Keine Vorlage</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1d</source>
        <translation>%1 T.</translation>
    </message>
    <message>
        <source>%1h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>%1 GB frei</translation>
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
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No network connection at all</extracomment>
        <translation>Kein Netzwerk</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network state before it is first known</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message numerus="yes">
        <source>%n active connections</source>
        <translation>
            <numerusform>%n aktive Verbindung</numerusform>
            <numerusform>%n aktive Verbindungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading 1 file</source>
        <translation>1 Datei wird hochgeladen</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n files</source>
        <translation>
            <numerusform>%n Datei wird hochgeladen</numerusform>
            <numerusform>%n Dateien werden hochgeladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n more uploading...</source>
        <translation>
            <numerusform>+%n weitere wird hochgeladen …</numerusform>
            <numerusform>+%n weitere werden hochgeladen …</numerusform>
        </translation>
    </message>
    <message>
        <source>1 connection has an error</source>
        <translation>1 Verbindung hat einen Fehler</translation>
    </message>
    <message numerus="yes">
        <source>%n connections have errors</source>
        <translation>
            <numerusform>%n Verbindung hat einen Fehler</numerusform>
            <numerusform>%n Verbindungen haben Fehler</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PostUploadActions</name>
    <message>
        <source>%1 stays in place, not moved to the archive: %2</source>
        <translation>%1 bleibt liegen und wird nicht ins Archiv verschoben: %2</translation>
    </message>
    <message>
        <source>the archive folder %1 does not exist</source>
        <translation>der Archivordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the archive folder %1 is not writable (%2)</source>
        <translation>der Archivordner %1 ist nicht beschreibbar (%2)</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>%1 is damaged and could not be moved aside</source>
        <translation>%1 ist beschädigt und konnte nicht beiseitegelegt werden</translation>
    </message>
</context>
<context>
    <name>PushConnection</name>
    <message>
        <source>Passive (recommended)</source>
        <translation>Passiv (empfohlen)</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Rename (add suffix)</source>
        <translation>Umbenennen (Suffix anhängen)</translation>
    </message>
    <message>
        <source>Skip (keep existing)</source>
        <translation>Überspringen (vorhandene behalten)</translation>
    </message>
    <message>
        <source>New Connection</source>
        <translation>Neue Verbindung</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>an array of numbers</source>
        <translation>ein Array von Zahlen</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the unknown value &quot;%2&quot;</source>
        <translation>„%1“ hat den unbekannten Wert „%2“</translation>
    </message>
    <message>
        <source>a UUID string</source>
        <translation>eine UUID-Zeichenkette</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>der Schlüssel „%1“ fehlt</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>„%1“ muss %2 sein</translation>
    </message>
    <message>
        <source>the connection list is not a JSON array</source>
        <translation>die Verbindungsliste ist kein JSON-Array</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>connection %1: %2</source>
        <translation>Verbindung %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>Not uploaded: FTP cannot carry a name with a tab, a line break or another control character: %1. Rename the file, or connect over SFTP, which carries such names.</source>
        <translation>Nicht hochgeladen: FTP kann keinen Namen mit Tabulator, Zeilenumbruch oder anderem Steuerzeichen übertragen: %1. Benennen Sie die Datei um oder verbinden Sie sich über SFTP, das solche Namen überträgt.</translation>
    </message>
</context>
<context>
    <name>RemoteControlClient</name>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>no running instance on the session bus</source>
        <translation>keine laufende Instanz auf dem Sitzungsbus</translation>
    </message>
</context>
<context>
    <name>RemoteDelivery</name>
    <message>
        <source>%1 and %2 numbered copies of it exist on the server</source>
        <translation>%1 und %2 nummerierte Kopien davon existieren bereits auf dem Server</translation>
    </message>
    <message>
        <source>has no file</source>
        <translation>er hat keine Datei</translation>
    </message>
    <message numerus="yes">
        <source>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</source>
        <translation>
            <numerusform>Der Server meldete Erfolg, aber %1, obwohl %2 Byte gesendet wurde (%3); die lokale Datei bleibt erhalten</numerusform>
            <numerusform>Der Server meldete Erfolg, aber %1, obwohl %2 Bytes gesendet wurden (%3); die lokale Datei bleibt erhalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %1 bytes</source>
        <translation>
            <numerusform>er enthält %1 Byte</numerusform>
            <numerusform>er enthält %1 Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the server does not offer to resume uploads (REST STREAM)</source>
        <translation>der Server bietet das Fortsetzen von Uploads nicht an (REST STREAM)</translation>
    </message>
    <message>
        <source>The server holds other bytes than were sent (%1): its %2 is %3, the file sent has %4; the local file is kept</source>
        <translation>Der Server hat andere Bytes als gesendet wurden (%1): Seine %2 ist %3, die gesendete Datei hat %4; die lokale Datei bleibt erhalten</translation>
    </message>
</context>
<context>
    <name>RemoteNames</name>
    <message>
        <source>A name cannot contain “/” or line breaks, and cannot be “.” or “..”.</source>
        <translation>Ein Name darf kein „/“ und keine Zeilenumbrüche enthalten und nicht „.“ oder „..“ sein.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 Ordner</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>Empty folder</source>
        <translation>Leerer Ordner</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of a remote file, e.g. &quot;JPG File&quot;</extracomment>
        <translation>%1-Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SshKnownHosts</name>
    <message>
        <source>The server&apos;s host key changed: %1 no longer presents the key trusted in %2. The server may have been reinstalled, or someone may be intercepting the connection. If you expect the change, remove the line for %1 from that file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) and connect again.</source>
        <translation>Der Hostschlüssel des Servers hat sich geändert: %1 zeigt nicht mehr den in %2 als vertrauenswürdig hinterlegten Schlüssel. Der Server wurde vielleicht neu installiert, oder jemand fängt die Verbindung ab. Wenn Sie die Änderung erwarten, entfernen Sie die Zeile für %1 aus dieser Datei (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) und verbinden Sie sich erneut.</translation>
    </message>
    <message>
        <source>Trusted the SSH host key of %1 on first use: %2 %3. If this is not the server&apos;s key, remove its line from %4.</source>
        <translation>Dem SSH-Hostschlüssel von %1 bei der ersten Verbindung vertraut: %2 %3. Wenn dies nicht der Schlüssel des Servers ist, entfernen Sie seine Zeile aus %4.</translation>
    </message>
    <message>
        <source>The file of trusted SSH host keys %1 cannot be read or written, so no server key can be checked; make it readable and writable by you (or remove it) and connect again.</source>
        <translation>Die Datei der vertrauenswürdigen SSH-Hostschlüssel %1 kann nicht gelesen oder geschrieben werden, daher kann kein Serverschlüssel geprüft werden; machen Sie sie für sich les- und schreibbar (oder entfernen Sie sie) und verbinden Sie erneut.</translation>
    </message>
</context>
<context>
    <name>StoredConnectionList</name>
    <message>
        <source>it holds a dictionary of numbers, not data</source>
        <translation>er enthält ein Wörterbuch aus Zahlen, keine Daten</translation>
    </message>
    <message>
        <source>it holds a list of texts, not data</source>
        <translation>er enthält eine Liste von Texten, keine Daten</translation>
    </message>
    <message>
        <source>it holds a text or a number, not data</source>
        <translation>er enthält einen Text oder eine Zahl, keine Daten</translation>
    </message>
    <message>
        <source>The connection list stored under &quot;%1&quot; cannot be read (%2), so no connections were loaded. A copy of it is kept under &quot;%3&quot; in %4; fix it there, or add the connections again.</source>
        <translation>Die unter „%1“ gespeicherte Verbindungsliste kann nicht gelesen werden (%2), daher wurden keine Verbindungen geladen. Eine Kopie liegt unter „%3“ in %4; korrigieren Sie sie dort oder legen Sie die Verbindungen neu an.</translation>
    </message>
</context>
<context>
    <name>UploadTask</name>
    <message>
        <source> (the server refused to make or open the folder %1)</source>
        <translation> (der Server hat den Ordner %1 nicht angelegt oder nicht geöffnet)</translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ondrix is running (process %1).</source>
        <translation>Ondrix läuft (Prozess %1).</translation>
    </message>
    <message>
        <source>Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the settings window or in the preferences store (see the README).</source>
        <translation>Hält lokale Ordner mit FTP-, FTPS- und SFTP-Servern abgeglichen. Verbindungen werden im Einstellungsfenster oder im Einstellungsspeicher eingerichtet (siehe README).</translation>
    </message>
    <message>
        <source>Run without a tray icon or windows.</source>
        <translation>Ohne Symbol im Infobereich und ohne Fenster ausführen.</translation>
    </message>
    <message>
        <source>Ondrix is already running for this user (process %1). Quit it first, or remove %2 if no Ondrix is running.</source>
        <translation>Ondrix läuft für diesen Benutzer bereits (Prozess %1). Beenden Sie es zuerst oder entfernen Sie %2, falls kein Ondrix läuft.</translation>
    </message>
    <message>
        <source>Stopping at once.</source>
        <translation>Wird sofort beendet.</translation>
    </message>
    <message>
        <source>Stopping: waiting for running uploads to finish (signal again to quit at once).</source>
        <translation>Wird beendet: laufende Uploads werden abgewartet (erneutes Signal beendet sofort).</translation>
    </message>
    <message>
        <source>No connections are set up, so nothing is uploaded. The README (section &quot;The preferences database&quot;) explains how to add one; `ondrix connections import FILE.json` adds them from a file.</source>
        <translation>Es sind keine Verbindungen eingerichtet, daher wird nichts hochgeladen. Die README (Abschnitt „The preferences database“) erklärt, wie man eine hinzufügt; `ondrix connections import FILE.json` fügt sie aus einer Datei hinzu.</translation>
    </message>
    <message>
        <source>Connections loaded: %1 (%2 enabled).</source>
        <translation>Verbindungen geladen: %1 (%2 aktiviert).</translation>
    </message>
    <message>
        <source>Bring the running Ondrix forward (its popover or window).</source>
        <translation>Das laufende Ondrix in den Vordergrund holen (sein Popover oder Fenster).</translation>
    </message>
    <message>
        <source>Cannot reach a running Ondrix: %1</source>
        <translation>Kein laufendes Ondrix erreichbar: %1</translation>
    </message>
    <message>
        <source>Remote control is not available: %1</source>
        <translation>Fernsteuerung nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Pause every connection of the running Ondrix.</source>
        <translation>Alle Verbindungen des laufenden Ondrix pausieren.</translation>
    </message>
    <message>
        <source>Resume every connection of the running Ondrix.</source>
        <translation>Alle Verbindungen des laufenden Ondrix fortsetzen.</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once.</source>
        <translation>Jede laufende Verbindung jetzt neu durchsuchen und fehlgeschlagene Dateien sofort erneut versuchen.</translation>
    </message>
    <message>
        <source>Print one line per connection: name, state, files queued and uploading, last error.</source>
        <translation>Eine Zeile je Verbindung ausgeben: Name, Zustand, wartende und hochladende Dateien, letzter Fehler.</translation>
    </message>
    <message>
        <source>The desktop interface cannot be loaded, so Ondrix runs without a tray icon or windows: %1</source>
        <translation>Die Desktop-Oberfläche kann nicht geladen werden, daher läuft Ondrix ohne Symbol im Infobereich und ohne Fenster: %1</translation>
    </message>
    <message>
        <source>With --status: print the state as one JSON document: per connection its state, pause reasons, counts, last success and last error; the version and uptime.</source>
        <translation>Mit --status: den Zustand als ein JSON-Dokument ausgeben: je Verbindung Zustand, Pausengründe, Zähler, letzter Erfolg und letzter Fehler; dazu Version und Laufzeit.</translation>
    </message>
    <message>
        <source>Keep Prometheus metrics in &lt;file&gt; (for node_exporter&apos;s textfile collector), written every 10 seconds and at stop.</source>
        <translation>Prometheus-Metriken in &lt;file&gt; führen (für den Textfile-Collector von node_exporter), alle 10 Sekunden und beim Beenden geschrieben.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json gehört zu --status.</translation>
    </message>
</context>
<context>
    <name>ondrix::AboutView</name>
    <message>
        <source>Ondrix icon</source>
        <translation>Ondrix-Symbol</translation>
    </message>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
</context>
<context>
    <name>ondrix::ActivityList</name>
    <message>
        <source>ACTIVITY</source>
        <translation>AKTIVITÄT</translation>
    </message>
    <message>
        <source>Monitoring — no transfers in progress</source>
        <translation>Überwachung – keine laufenden Übertragungen</translation>
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
        <translation>Ondrix öffnen</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Über Ondrix</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Ondrix Website</source>
        <translation>Ondrix-Website</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Support kontaktieren</translation>
    </message>
    <message>
        <source>Quit Ondrix</source>
        <translation>Ondrix beenden</translation>
    </message>
    <message>
        <source>Ondrix Settings</source>
        <translation>Ondrix-Einstellungen</translation>
    </message>
    <message>
        <source>Ondrix Log</source>
        <translation>Ondrix-Protokoll</translation>
    </message>
    <message>
        <source>Ondrix History</source>
        <translation>Ondrix-Verlauf</translation>
    </message>
    <message>
        <source>Hide Ondrix</source>
        <translation>Ondrix ausblenden</translation>
    </message>
</context>
<context>
    <name>ondrix::Application</name>
    <message>
        <source>Settings cannot be saved in this run, the preferences file was left untouched: %1</source>
        <translation>Einstellungen können in dieser Sitzung nicht gespeichert werden, die Einstellungsdatei blieb unverändert: %1</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserFolderView</name>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Ordnerinhalt</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Rename selected item</source>
        <translation>Ausgewähltes Element umbenennen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Ausgewählte Elemente löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Dieser Ordner kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>%1 kann nicht aufgelistet werden: %2</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Tag entfernen</translation>
    </message>
    <message>
        <source>Cannot Open</source>
        <translation>Öffnen nicht möglich</translation>
    </message>
    <message>
        <source>Enter a name for the new folder at </source>
        <translation>Geben Sie einen Namen für den neuen Ordner ein in </translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Cannot Create Folder</source>
        <translation>Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not create the folder “%1”: %2</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Umbenennen nicht möglich</translation>
    </message>
    <message>
        <source>Enter a new name for &apos;%1&apos;</source>
        <translation>Neuen Namen für „%1“ eingeben</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Could not rename “%1”: %2</source>
        <translation>„%1“ konnte nicht umbenannt werden: %2</translation>
    </message>
    <message>
        <source>Cannot Delete</source>
        <translation>Löschen nicht möglich</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Could not delete “%1”: %2</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>A folder can only be deleted when it is empty.</source>
        <translation>Ein Ordner kann nur gelöscht werden, wenn er leer ist.</translation>
    </message>
    <message>
        <source>Cannot Tag</source>
        <translation>Tag nicht möglich</translation>
    </message>
    <message>
        <source>The server lists an entry named “%1”. Its name contains a line break, a NUL character or a “/”, or is “.” or “..”, so a command on it could act on another entry. Ondrix leaves it alone; rename or remove it with another program on the server.</source>
        <translation>Der Server listet einen Eintrag namens „%1“. Sein Name enthält einen Zeilenumbruch, ein NUL-Zeichen oder ein „/“ oder ist „.“ bzw. „..“, daher könnte ein Befehl darauf einen anderen Eintrag treffen. Ondrix lässt ihn unberührt; benennen Sie ihn mit einem anderen Programm auf dem Server um oder entfernen Sie ihn.</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items</source>
        <translation>
            <numerusform>%n Element löschen</numerusform>
            <numerusform>%n Elemente löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items?</source>
        <translation>
            <numerusform>%n Element löschen?</numerusform>
            <numerusform>%n Elemente löschen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserStatePage</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserView</name>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Keine Verbindungen</translation>
    </message>
    <message>
        <source>Add a connection in the Connections tab first.</source>
        <translation>Fügen Sie zuerst im Reiter „Verbindungen“ eine Verbindung hinzu.</translation>
    </message>
    <message>
        <source>Select a connection</source>
        <translation>Verbindung auswählen</translation>
    </message>
    <message>
        <source>Choose a connection from the sidebar.</source>
        <translation>Wählen Sie eine Verbindung in der Seitenleiste.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEditView</name>
    <message>
        <source>Scroll the connection settings</source>
        <translation>Verbindungseinstellungen blättern</translation>
    </message>
    <message>
        <source>Scroll the connection settings sideways</source>
        <translation>Verbindungseinstellungen seitwärts blättern</translation>
    </message>
    <message>
        <source>This connection is locked. Click the lock to edit.</source>
        <translation>Diese Verbindung ist gesperrt. Klicken Sie auf das Schloss, um sie zu bearbeiten.</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEngine</name>
    <message>
        <source>No local folder configured</source>
        <translation>Kein lokaler Ordner eingerichtet</translation>
    </message>
    <message>
        <source>Local folder not found: </source>
        <translation>Lokaler Ordner nicht gefunden: </translation>
    </message>
    <message>
        <source>Watching </source>
        <translation>Überwache </translation>
    </message>
    <message>
        <source>Stability check (%1s): </source>
        <translation>Stabilitätsprüfung (%1 s): </translation>
    </message>
    <message>
        <source>Skipped (already uploaded): </source>
        <translation>Übersprungen (bereits hochgeladen): </translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation>In Warteschlange: </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Changed during the upload, kept to go up again: </source>
        <translation>Während des Uploads geändert, wird erneut hochgeladen: </translation>
    </message>
    <message>
        <source>Still being written, offered again later: </source>
        <translation>Wird noch geschrieben, später erneut angeboten: </translation>
    </message>
    <message>
        <source>Upload cut short by the stop; it goes up at the next start: </source>
        <translation>Upload durch das Anhalten abgebrochen; er wird beim nächsten Start hochgeladen: </translation>
    </message>
    <message>
        <source>Stopping: uploads still running after %1 s are cut short; they go up again at the next start</source>
        <translation>Wird beendet: Uploads, die nach %1 s noch laufen, werden abgebrochen; sie werden beim nächsten Start erneut hochgeladen</translation>
    </message>
    <message>
        <source>Skipped (exists on server): </source>
        <translation>Übersprungen (existiert auf dem Server): </translation>
    </message>
    <message>
        <source>Ondrix looks for it again every few seconds.</source>
        <translation>Ondrix sucht alle paar Sekunden erneut danach.</translation>
    </message>
    <message>
        <source>The local folder was deleted or moved away: </source>
        <translation>Der lokale Ordner wurde gelöscht oder verschoben: </translation>
    </message>
    <message>
        <source>Still open for writing, kept until its writer is done: </source>
        <translation>Noch zum Schreiben geöffnet, bleibt erhalten, bis das schreibende Programm fertig ist: </translation>
    </message>
    <message>
        <source>Resumed at %1 of %2: </source>
        <translation>Fortgesetzt bei %1 von %2: </translation>
    </message>
    <message>
        <source>Resuming was not possible, sent whole: </source>
        <translation>Fortsetzen war nicht möglich, vollständig gesendet: </translation>
    </message>
    <message>
        <source>The local folder %1 cannot be opened without following a symbolic link (%2); nothing in it is uploaded</source>
        <translation>Der lokale Ordner %1 kann nicht geöffnet werden, ohne einem symbolischen Link zu folgen (%2); nichts darin wird hochgeladen</translation>
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
        <translation>Verschiebemodus: lokale Dateien werden nach dem Upload entfernt.</translation>
    </message>
    <message>
        <source>Copy mode: local files are kept after upload.</source>
        <translation>Kopiermodus: lokale Dateien bleiben nach dem Upload erhalten.</translation>
    </message>
    <message>
        <source>The script receives the local file path as the first argument.</source>
        <translation>Das Skript erhält den Pfad der lokalen Datei als erstes Argument.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name or IP address.</source>
        <translation>Geben Sie den Hostnamen oder die IP-Adresse des Servers ein.</translation>
    </message>
    <message>
        <source>Enter the host name alone, without &quot;ftp://&quot; or &quot;sftp://&quot;; choose the protocol above.</source>
        <translation>Geben Sie nur den Hostnamen ein, ohne „ftp://“ oder „sftp://“; wählen Sie das Protokoll oben.</translation>
    </message>
    <message>
        <source>A host name cannot contain spaces or &quot;/&quot;. Put the folder under Remote Folder.</source>
        <translation>Ein Hostname darf keine Leerzeichen und kein „/“ enthalten. Tragen Sie den Ordner unter „Entfernter Ordner“ ein.</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535 (FTP and FTPS usually use 21, SFTP 22).</source>
        <translation>Der Port muss eine ganze Zahl von 1 bis 65535 sein (FTP und FTPS verwenden meist 21, SFTP 22).</translation>
    </message>
    <message>
        <source>This folder does not exist. Create it again or choose another folder.</source>
        <translation>Dieser Ordner existiert nicht. Legen Sie ihn wieder an oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>This is a file, not a folder. Choose a folder.</source>
        <translation>Dies ist eine Datei, kein Ordner. Wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>This folder cannot be read. Check its permissions (chmod u+rx) or choose another folder.</source>
        <translation>Dieser Ordner kann nicht gelesen werden. Prüfen Sie seine Rechte (chmod u+rx) oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The remote path cannot contain a line break. The last path without one is kept.</source>
        <translation>Der entfernte Pfad darf keinen Zeilenumbruch enthalten. Der letzte Pfad ohne Zeilenumbruch bleibt erhalten.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>Required: </source>
        <translation>Erforderlich: </translation>
    </message>
    <message>
        <source>Port %1 is usually FTP; SFTP servers usually listen on %2.</source>
        <translation>Port %1 ist meist FTP; SFTP-Server lauschen meist auf %2.</translation>
    </message>
    <message>
        <source>Port %1 is usually SFTP; FTP and FTPS servers usually listen on %2.</source>
        <translation>Port %1 ist meist SFTP; FTP- und FTPS-Server lauschen meist auf %2.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is deleted only once every connection that takes it has uploaded it.</source>
        <translation>Auch von %1 überwacht: Eine Datei wird erst gelöscht, wenn jede Verbindung, die sie übernimmt, sie hochgeladen hat.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is moved to the archive only once every connection that takes it has uploaded it.</source>
        <translation>Auch von %1 überwacht: Eine Datei wird erst ins Archiv verschoben, wenn jede Verbindung, die sie übernimmt, sie hochgeladen hat.</translation>
    </message>
    <message>
        <source>Also watched by %1: the script runs for a file only once every connection that takes it has uploaded it.</source>
        <translation>Auch von %1 überwacht: Das Skript läuft für eine Datei erst, wenn jede Verbindung, die sie übernimmt, sie hochgeladen hat.</translation>
    </message>
    <message>
        <source>Also watched by %1: deleting, archiving or a script set on any of them waits until every connection that takes the file has uploaded it.</source>
        <translation>Auch von %1 überwacht: Löschen, Archivieren oder ein Skript, das bei einer von ihnen eingestellt ist, wartet, bis jede Verbindung, die die Datei übernimmt, sie hochgeladen hat.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRow</name>
    <message>
        <source>Enable connection</source>
        <translation>Verbindung aktivieren</translation>
    </message>
    <message>
        <source>Schedule enabled</source>
        <translation>Zeitplan aktiv</translation>
    </message>
    <message>
        <source>Open watched folder</source>
        <translation>Überwachten Ordner öffnen</translation>
    </message>
    <message>
        <source>simultaneous uploads</source>
        <translation>gleichzeitige Uploads</translation>
    </message>
    <message>
        <source>stability check</source>
        <translation>Stabilitätsprüfung</translation>
    </message>
    <message>
        <source>Keyword preset</source>
        <translation>Stichwortvorlage</translation>
    </message>
    <message>
        <source>Disable connection</source>
        <translation>Verbindung deaktivieren</translation>
    </message>
    <message>
        <source>Simultaneous uploads: </source>
        <translation>Gleichzeitige Uploads: </translation>
    </message>
    <message>
        <source>Stability check: </source>
        <translation>Stabilitätsprüfung: </translation>
    </message>
    <message>
        <source>Keyword preset: </source>
        <translation>Stichwortvorlage: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Verbindung bearbeiten</translation>
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
        <translation>VERBINDUNGEN</translation>
    </message>
    <message>
        <source>No connections configured</source>
        <translation>Keine Verbindungen eingerichtet</translation>
    </message>
    <message>
        <source>Add Connection</source>
        <translation>Verbindung hinzufügen</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowView</name>
    <message>
        <source>Disable connection</source>
        <translation>Verbindung deaktivieren</translation>
    </message>
    <message>
        <source>Enable connection</source>
        <translation>Verbindung aktivieren</translation>
    </message>
    <message>
        <source>Unlock connection</source>
        <translation>Verbindung entsperren</translation>
    </message>
    <message>
        <source>Lock connection</source>
        <translation>Verbindung sperren</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSecrets</name>
    <message>
        <source>no keyring is running in this session</source>
        <translation>in dieser Sitzung läuft kein Schlüsselbund</translation>
    </message>
    <message numerus="yes">
        <source>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</source>
        <translation>
            <numerusform>Das Passwort von %n Verbindung liegt im Schlüsselbund, aber kein Schlüsselbund läuft, daher wartet sie. Starten Sie einen oder geben Sie das Passwort als systemd-Credential an.</numerusform>
            <numerusform>Die Passwörter von %n Verbindungen liegen im Schlüsselbund, aber kein Schlüsselbund läuft, daher warten sie. Starten Sie einen oder geben Sie die Passwörter als systemd-Credentials an.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring to give out the password.</source>
        <translation>Warte darauf, dass der Schlüsselbund das Passwort herausgibt.</translation>
    </message>
    <message>
        <source>The password is in the keyring, which does not give it out yet: %1</source>
        <translation>Das Passwort liegt im Schlüsselbund, der es noch nicht herausgibt: %1</translation>
    </message>
    <message>
        <source>The keyring no longer holds the password of &quot;%1&quot;; enter it again in the connection&apos;s settings.</source>
        <translation>Der Schlüsselbund enthält das Passwort von „%1“ nicht mehr; geben Sie es in den Einstellungen der Verbindung erneut ein.</translation>
    </message>
    <message>
        <source>the keyring did not give the password back</source>
        <translation>der Schlüsselbund hat das Passwort nicht zurückgegeben</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n passwords from the preferences database to the keyring.</source>
        <translation>
            <numerusform>%n Passwort aus der Einstellungsdatenbank in den Schlüsselbund verschoben.</numerusform>
            <numerusform>%n Passwörter aus der Einstellungsdatenbank in den Schlüsselbund verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The keyring does not give out or take passwords (%1). Connections whose password is in it wait until it does: unlock the keyring, or enter their passwords again.</source>
        <translation>Der Schlüsselbund gibt keine Passwörter heraus und nimmt keine an (%1). Verbindungen, deren Passwort darin liegt, warten, bis er es tut: Entsperren Sie den Schlüsselbund oder geben Sie ihre Passwörter erneut ein.</translation>
    </message>
    <message>
        <source>No keyring was found, so passwords are stored in the preferences database (%1), which only you can read.</source>
        <translation>Es wurde kein Schlüsselbund gefunden, daher werden Passwörter in der Einstellungsdatenbank (%1) gespeichert, die nur Sie lesen können.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSection</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>My Server</source>
        <translation>Mein Server</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
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
        <translation>Port</translation>
    </message>
    <message>
        <source>Use the usual port</source>
        <translation>Den üblichen Port verwenden</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Choose private key</source>
        <translation>Privaten Schlüssel auswählen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear private key</source>
        <translation>Privaten Schlüssel entfernen</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Privater Schlüssel</translation>
    </message>
    <message>
        <source>FTP Mode</source>
        <translation>FTP-Modus</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
    <message>
        <source>Use port %1</source>
        <translation>Port %1 verwenden</translation>
    </message>
    <message>
        <source>None (password login)</source>
        <translation>Keiner (Anmeldung mit Passwort)</translation>
    </message>
    <message>
        <source>Choose the SSH private key</source>
        <translation>Privaten SSH-Schlüssel auswählen</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionTestArea</name>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Wird getestet …</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message>
        <source>One or more connections have errors</source>
        <translation>Eine oder mehrere Verbindungen haben Fehler</translation>
    </message>
    <message>
        <source>Ondrix is uploading files</source>
        <translation>Ondrix lädt Dateien hoch</translation>
    </message>
    <message>
        <source>System going to sleep — pausing all connections</source>
        <translation>System geht in den Ruhezustand – alle Verbindungen werden pausiert</translation>
    </message>
    <message>
        <source>System woke up — resuming connections</source>
        <translation>System aufgewacht – Verbindungen werden fortgesetzt</translation>
    </message>
    <message numerus="yes">
        <source>Upload Now: rescanning %n connections</source>
        <translation>
            <numerusform>Jetzt hochladen: %n Verbindung wird neu durchsucht</numerusform>
            <numerusform>Jetzt hochladen: %n Verbindungen werden neu durchsucht</numerusform>
        </translation>
    </message>
    <message>
        <source>System woke up — connections stay paused (%1)</source>
        <translation>System aufgewacht – Verbindungen bleiben pausiert (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsSettingsView</name>
    <message>
        <source>Select a connection or add a new one.</source>
        <translation>Wählen Sie eine Verbindung oder fügen Sie eine neue hinzu.</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Add connection</source>
        <translation>Verbindung hinzufügen</translation>
    </message>
    <message>
        <source>Delete connection</source>
        <translation>Verbindung löschen</translation>
    </message>
    <message>
        <source> Copy</source>
        <translation> Kopie</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete this connection?</source>
        <translation>Diese Verbindung löschen?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Diese Aktion kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
</context>
<context>
    <name>ondrix::DiskSpaceGuard</name>
    <message>
        <source>Low disk space: %1 GB free on %2, below the %3 GB minimum.</source>
        <translation>Wenig Speicherplatz: %1 GB frei auf %2, unter dem Minimum von %3 GB.</translation>
    </message>
    <message>
        <source>Paused until there is room again (their uploads do not free space): %1</source>
        <translation>Pausiert, bis wieder Platz ist (ihre Uploads geben keinen Speicher frei): %1</translation>
    </message>
    <message>
        <source>Disk space is back: %1 GB free on %2; connections paused for it resume.</source>
        <translation>Wieder genug Speicherplatz: %1 GB frei auf %2; die deswegen pausierten Verbindungen werden fortgesetzt.</translation>
    </message>
    <message>
        <source>Ondrix: Low disk space</source>
        <translation>Ondrix: Wenig Speicherplatz</translation>
    </message>
    <message>
        <source>Ondrix: Disk space is back</source>
        <translation>Ondrix: Wieder genug Speicherplatz</translation>
    </message>
</context>
<context>
    <name>ondrix::ExtensionFilterView</name>
    <message>
        <source>File Types</source>
        <translation>Dateitypen</translation>
    </message>
    <message>
        <source>Extension preset</source>
        <translation>Endungsvorlage</translation>
    </message>
    <message>
        <source>Reset to preset</source>
        <comment>ext.reset.button</comment>
        <translation>Auf Vorlage zurücksetzen</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <translation>%1 (ausgelassen)</translation>
    </message>
    <message>
        <source>Ticked extensions are never uploaded.</source>
        <translation>Angehakte Endungen werden nie hochgeladen.</translation>
    </message>
    <message>
        <source>Only upload</source>
        <translation>Nur hochladen</translation>
    </message>
    <message>
        <source>every extension</source>
        <translation>jede Endung</translation>
    </message>
    <message>
        <source>Never upload</source>
        <translation>Nie hochladen</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nichts ausgelassen</translation>
    </message>
    <message>
        <source>Upload them</source>
        <comment>ext.unspecified.download</comment>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Ignore them</source>
        <comment>ext.unspecified.ignore</comment>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Files with unlisted extensions:</source>
        <comment>ext.unspecified.label</comment>
        <translation>Dateien mit nicht aufgeführten Endungen:</translation>
    </message>
</context>
<context>
    <name>ondrix::GeneralSettingsTab</name>
    <message>
        <source>Scroll the general settings</source>
        <translation>Allgemeine Einstellungen blättern</translation>
    </message>
    <message>
        <source>Scroll the general settings sideways</source>
        <translation>Allgemeine Einstellungen seitwärts blättern</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Launch Ondrix when I log in</source>
        <translation>Ondrix bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Always show in the taskbar</source>
        <translation>Immer in der Taskleiste anzeigen</translation>
    </message>
    <message>
        <source>When disabled, Ondrix only appears in the taskbar while one of its windows is open.</source>
        <translation>Wenn deaktiviert, erscheint Ondrix nur in der Taskleiste, solange eines seiner Fenster geöffnet ist.</translation>
    </message>
    <message>
        <source>Sleep Behavior</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Prevent sleep during uploads</source>
        <translation>Ruhezustand während Uploads verhindern</translation>
    </message>
    <message>
        <source>Sleep is only prevented while files are actively uploading. Normal sleep resumes when idle.</source>
        <translation>Der Ruhezustand wird nur verhindert, solange Dateien aktiv hochgeladen werden. Im Leerlauf gilt wieder der normale Ruhezustand.</translation>
    </message>
    <message>
        <source>Pause and resume on wake</source>
        <translation>Beim Aufwachen pausieren und fortsetzen</translation>
    </message>
    <message>
        <source>If the computer sleeps anyway (battery, lid close), transfers will pause and resume automatically on wake.</source>
        <translation>Wenn der Computer trotzdem in den Ruhezustand geht (Akku, Deckel geschlossen), werden Übertragungen pausiert und beim Aufwachen automatisch fortgesetzt.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Pause when on mobile hotspot</source>
        <translation>Bei mobilem Hotspot pausieren</translation>
    </message>
    <message>
        <source>Pause when internet is unavailable</source>
        <translation>Pausieren, wenn kein Internet verfügbar ist</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Warn and pause if disk space is low</source>
        <translation>Bei wenig Speicherplatz warnen und pausieren</translation>
    </message>
    <message>
        <source>Minimum free space</source>
        <translation>Mindestens freier Speicher</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Color theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>App color</source>
        <translation>App-Farbe</translation>
    </message>
    <message>
        <source>System color</source>
        <translation>Systemfarbe</translation>
    </message>
    <message>
        <source>App color uses Ondrix&apos;s signature purple for selections, switches and links in its windows, so they are easy to recognise. System color follows your desktop&apos;s accent color.</source>
        <translation>Die App-Farbe verwendet das typische Violett von Ondrix für Auswahl, Schalter und Links in seinen Fenstern, damit sie leicht zu erkennen sind. Die Systemfarbe folgt der Akzentfarbe Ihres Desktops.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Restart Ondrix to apply the language change.</source>
        <translation>Starten Sie Ondrix neu, um die Sprache zu wechseln.</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Überwachung</translation>
    </message>
    <message>
        <source>Metrics file</source>
        <translation>Metrikdatei</translation>
    </message>
    <message>
        <source>Ondrix keeps its counters in this file in Prometheus text format, rewritten every 10 seconds. Leave it empty to write none.</source>
        <translation>Ondrix schreibt seine Zähler im Prometheus-Textformat in diese Datei, alle 10 Sekunden neu. Leer lassen, um keine zu schreiben.</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryListModel</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryView</name>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>No upload history.</source>
        <translation>Kein Upload-Verlauf.</translation>
    </message>
    <message>
        <source>Upload History</source>
        <translation>Upload-Verlauf</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen …</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>Clear the whole history</source>
        <translation>Gesamten Verlauf löschen</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Uploads</translation>
    </message>
</context>
<context>
    <name>ondrix::InlineStepper</name>
    <message>
        <source>Decrease %1</source>
        <translation>%1 verringern</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>%1 erhöhen</translation>
    </message>
</context>
<context>
    <name>ondrix::InotifyFileEventSource</name>
    <message>
        <source>Ondrix cannot watch %1 for new files: the system&apos;s limit of inotify instances per user (fs.inotify.max_user_instances = %2) is reached. New files are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_instances=1024 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Ondrix kann %1 nicht auf neue Dateien überwachen: Die Systemgrenze für inotify-Instanzen pro Benutzer (fs.inotify.max_user_instances = %2) ist erreicht. Neue Dateien werden nur durch die regelmäßige Ordnerprüfung gefunden. Um die Grenze anzuheben, führen Sie aus: sudo sysctl fs.inotify.max_user_instances=1024 (um sie beizubehalten, tragen Sie diese Einstellung in eine Datei in /etc/sysctl.d/ ein).</translation>
    </message>
    <message>
        <source>Some file changes below %1 were missed because the system&apos;s queue of file events overflowed (fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Einige Dateiänderungen unter %1 wurden verpasst, weil die Warteschlange des Systems für Dateiereignisse übergelaufen ist (fs.inotify.max_queued_events = %2); die regelmäßige Ordnerprüfung findet sie. Wenn das oft passiert, heben Sie die Grenze an: sudo sysctl fs.inotify.max_queued_events=65536 (um sie beizubehalten, tragen Sie diese Einstellung in eine Datei in /etc/sysctl.d/ ein).</translation>
    </message>
    <message>
        <source>Not every folder below %1 can be watched: the limit of %2 inotify watches per user (fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Nicht jeder Ordner unter %1 kann überwacht werden: Die Grenze von %2 inotify-Überwachungen pro Benutzer (fs.inotify.max_user_watches) ist erreicht. Neue Dateien in Ordnern ohne Überwachung werden nur durch die regelmäßige Ordnerprüfung gefunden. Um die Grenze anzuheben, führen Sie aus: sudo sysctl fs.inotify.max_user_watches=524288 (um sie beizubehalten, tragen Sie diese Einstellung in eine Datei in /etc/sysctl.d/ ein).</translation>
    </message>
</context>
<context>
    <name>ondrix::IptcPresetsSection</name>
    <message>
        <source>IPTC presets (*.ondrix-keywords *.json)</source>
        <translation>IPTC-Vorlagen (*.ondrix-keywords *.json)</translation>
    </message>
    <message>
        <source>IPTC Presets</source>
        <translation>IPTC-Vorlagen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import IPTC presets</source>
        <translation>IPTC-Vorlagen importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export IPTC presets</source>
        <translation>IPTC-Vorlagen exportieren</translation>
    </message>
    <message>
        <source>Enable IPTC presets</source>
        <translation>IPTC-Vorlagen aktivieren</translation>
    </message>
    <message>
        <source>Active preset</source>
        <translation>Aktive Vorlage</translation>
    </message>
    <message>
        <source>Each preset can contain multiple IPTC keywords separated by commas. Switch presets to quickly change which keywords are injected before uploading.</source>
        <translation>Jede Vorlage kann mehrere durch Kommas getrennte IPTC-Stichwörter enthalten. Wechseln Sie die Vorlage, um schnell zu ändern, welche Stichwörter vor dem Upload eingefügt werden.</translation>
    </message>
    <message>
        <source>New preset</source>
        <translation>Neue Vorlage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Name der Vorlage</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Vorlage entfernen</translation>
    </message>
    <message>
        <source>Export IPTC Presets</source>
        <translation>IPTC-Vorlagen exportieren</translation>
    </message>
    <message>
        <source>The presets could not be written to %1: %2. Choose a folder you can write to.</source>
        <translation>Die Vorlagen konnten nicht nach %1 geschrieben werden: %2. Wählen Sie einen Ordner, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>Import IPTC Presets</source>
        <translation>IPTC-Vorlagen importieren</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not an IPTC presets file, so nothing was imported. %2</source>
        <translation>%1 ist keine IPTC-Vorlagendatei, daher wurde nichts importiert. %2</translation>
    </message>
</context>
<context>
    <name>ondrix::LocalFolderSection</name>
    <message>
        <source>Local Folder</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Choose local folder</source>
        <translation>Lokalen Ordner auswählen</translation>
    </message>
    <message>
        <source>Monitor subfolders recursively</source>
        <translation>Unterordner rekursiv überwachen</translation>
    </message>
    <message>
        <source>Select the folder to watch for new files</source>
        <translation>Ordner auswählen, der auf neue Dateien überwacht wird</translation>
    </message>
</context>
<context>
    <name>ondrix::LogView</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>No log entries yet.</source>
        <translation>Noch keine Protokolleinträge.</translation>
    </message>
    <message>
        <source>Sync Log</source>
        <translation>Abgleichsprotokoll</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Protokoll löschen</translation>
    </message>
    <message>
        <source>Copy the whole log</source>
        <translation>Gesamtes Protokoll kopieren</translation>
    </message>
    <message>
        <source>Log entries</source>
        <translation>Protokolleinträge</translation>
    </message>
</context>
<context>
    <name>ondrix::LogindPowerMonitor</name>
    <message>
        <source>Pausing uploads before the system sleeps</source>
        <translation>Uploads werden pausiert, bevor das System in den Ruhezustand geht</translation>
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
        <translation>Übersicht blättern</translation>
    </message>
    <message>
        <source>Scroll the overview sideways</source>
        <translation>Übersicht seitwärts blättern</translation>
    </message>
</context>
<context>
    <name>ondrix::MetricsFile</name>
    <message>
        <source>The metrics file %1 cannot be written: %2</source>
        <translation>Die Metrikdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ondrix::NamePromptBar</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Ondrix: 1 Datei hochgeladen</translation>
    </message>
    <message>
        <source>...and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Ondrix: Upload failed</source>
        <translation>Ondrix: Upload fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <source>Ondrix: %n files uploaded</source>
        <translation>
            <numerusform>Ondrix: %n Datei hochgeladen</numerusform>
            <numerusform>Ondrix: %n Dateien hochgeladen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationsSettingsTab</name>
    <message>
        <source>Scroll the notification settings</source>
        <translation>Benachrichtigungseinstellungen blättern</translation>
    </message>
    <message>
        <source>Scroll the notification settings sideways</source>
        <translation>Benachrichtigungseinstellungen seitwärts blättern</translation>
    </message>
    <message>
        <source>Upload Notifications</source>
        <translation>Upload-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Notify when uploads complete</source>
        <translation>Benachrichtigen, wenn Uploads abgeschlossen sind</translation>
    </message>
    <message>
        <source>Group notifications (summary instead of file list)</source>
        <translation>Benachrichtigungen bündeln (Zusammenfassung statt Dateiliste)</translation>
    </message>
    <message>
        <source>Error Notifications</source>
        <translation>Fehlerbenachrichtigungen</translation>
    </message>
    <message>
        <source>Notify on connection errors</source>
        <translation>Bei Verbindungsfehlern benachrichtigen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Play sound on upload</source>
        <translation>Ton beim Upload abspielen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorhören</translation>
    </message>
    <message>
        <source>Preview the sound</source>
        <translation>Ton vorhören</translation>
    </message>
    <message>
        <source>Schedule Notifications</source>
        <translation>Zeitplan-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Notify when connections pause/resume by schedule</source>
        <translation>Benachrichtigen, wenn Verbindungen nach Zeitplan pausieren oder fortsetzen</translation>
    </message>
    <message numerus="yes">
        <source>Only if %n or more files</source>
        <translation>
            <numerusform>Nur bei %n oder mehr Dateien</numerusform>
            <numerusform>Nur bei %n oder mehr Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>After 1 failure</source>
        <translation>Nach 1 Fehlschlag</translation>
    </message>
    <message numerus="yes">
        <source>After %n consecutive failures</source>
        <translation>
            <numerusform>Nach %n Fehlschlag</numerusform>
            <numerusform>Nach %n aufeinanderfolgenden Fehlschlägen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::PauseReasons</name>
    <message>
        <source>by you</source>
        <translation>von Ihnen</translation>
    </message>
    <message>
        <source>the computer sleeps</source>
        <translation>der Computer schläft</translation>
    </message>
    <message>
        <source>no network</source>
        <translation>kein Netzwerk</translation>
    </message>
    <message>
        <source>metered network</source>
        <translation>getaktetes Netzwerk</translation>
    </message>
    <message>
        <source>low disk space</source>
        <translation>wenig Speicherplatz</translation>
    </message>
    <message>
        <source>outside the scheduled hours</source>
        <translation>außerhalb der geplanten Zeiten</translation>
    </message>
    <message>
        <source>Paused (%1)</source>
        <extracomment>The reasons are joined by commas, such as &quot;by you, no network&quot;.</extracomment>
        <translation>Pausiert (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverControls</name>
    <message>
        <source>Upload Now</source>
        <translation>Jetzt hochladen</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once</source>
        <translation>Jede laufende Verbindung jetzt neu durchsuchen und fehlgeschlagene Dateien sofort erneut versuchen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverFooter</name>
    <message>
        <source>History...</source>
        <translation>Verlauf …</translation>
    </message>
    <message>
        <source>Log...</source>
        <translation>Protokoll …</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Über Ondrix</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
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
        <translation>STATISTIK</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Last activity: </source>
        <translation>Letzte Aktivität: </translation>
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
        <translation>Aktion nach dem Upload</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Move to archive folder</source>
        <translation>In Archivordner verschieben</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Choose archive folder or script</source>
        <translation>Archivordner oder Skript auswählen</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Archivordner auswählen</translation>
    </message>
    <message>
        <source>Choose the script to run</source>
        <translation>Auszuführendes Skript auswählen</translation>
    </message>
</context>
<context>
    <name>ondrix::RecentUploadsList</name>
    <message>
        <source>RECENT</source>
        <translation>ZULETZT</translation>
    </message>
    <message>
        <source>No recent uploads</source>
        <translation>Keine letzten Uploads</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteControlService</name>
    <message>
        <source>no session bus</source>
        <translation>kein Sitzungsbus</translation>
    </message>
    <message>
        <source>another instance owns %1</source>
        <translation>eine andere Instanz belegt bereits %1</translation>
    </message>
    <message>
        <source>The running Ondrix has no windows (it runs headless); %1 does nothing.</source>
        <translation>Das laufende Ondrix hat keine Fenster (es läuft ohne Oberfläche); %1 bewirkt nichts.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderPickerView</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select This Folder</source>
        <translation>Diesen Ordner wählen</translation>
    </message>
    <message>
        <source>Choose Remote Folder</source>
        <translation>Entfernten Ordner wählen</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>No subfolders</source>
        <translation>Keine Unterordner</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Dieser Ordner kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>The server lists a folder named “%1”, which cannot be opened safely.</source>
        <translation>Der Server listet einen Ordner namens „%1“, der nicht sicher geöffnet werden kann.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderSection</name>
    <message>
        <source>Remote Folder</source>
        <translation>Entfernter Ordner</translation>
    </message>
    <message>
        <source>Remote path</source>
        <translation>Entfernter Pfad</translation>
    </message>
    <message>
        <source>/uploads/photos</source>
        <translation>/uploads/fotos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Browse remote folders</source>
        <translation>Entfernte Ordner durchsuchen</translation>
    </message>
    <message>
        <source>Preserve subfolder structure on server</source>
        <translation>Unterordnerstruktur auf dem Server beibehalten</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteItemModel</name>
    <message>
        <source>%1 — the server sent a name that cannot be used safely</source>
        <translation>%1 – der Server hat einen Namen gesendet, der nicht sicher verwendet werden kann</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source> (tag: %1)</source>
        <translation> (Markierung: %1)</translation>
    </message>
</context>
<context>
    <name>ondrix::RemotePathBar</name>
    <message>
        <source>Go to %1</source>
        <translation>Zu %1 wechseln</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSection</name>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Upload only during scheduled hours</source>
        <translation>Nur zu geplanten Zeiten hochladen</translation>
    </message>
    <message>
        <source>One hour earlier: %1</source>
        <translation>Eine Stunde früher: %1</translation>
    </message>
    <message>
        <source>One hour later: %1</source>
        <translation>Eine Stunde später: %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSupervisor</name>
    <message>
        <source>Paused: outside its scheduled hours (%1)</source>
        <translation>Pausiert: außerhalb der geplanten Zeiten (%1)</translation>
    </message>
    <message>
        <source>Resumed: within its scheduled hours (%1)</source>
        <translation>Fortgesetzt: innerhalb der geplanten Zeiten (%1)</translation>
    </message>
    <message>
        <source>Ondrix: %1 paused</source>
        <translation>Ondrix: %1 pausiert</translation>
    </message>
    <message>
        <source>Ondrix: %1 resumed</source>
        <translation>Ondrix: %1 fortgesetzt</translation>
    </message>
</context>
<context>
    <name>ondrix::SettingsView</name>
    <message>
        <source>Settings sections</source>
        <translation>Einstellungsbereiche</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
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
        <translation>1 Datei (%1)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message>
        <source>%1s ago</source>
        <translation>vor %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
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
            <numerusform>%n Datei (%1)</numerusform>
            <numerusform>%n Dateien (%1)</numerusform>
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
        <translation>Ondrix – pausiert</translation>
    </message>
    <message>
        <source>Ondrix — uploading</source>
        <translation>Ondrix – lädt hoch</translation>
    </message>
    <message>
        <source>Ondrix — checking new files</source>
        <translation>Ondrix – prüft neue Dateien</translation>
    </message>
    <message>
        <source>Ondrix — error: %1</source>
        <translation>Ondrix – Fehler: %1</translation>
    </message>
    <message>
        <source>Ondrix — watching folders</source>
        <translation>Ondrix – überwacht Ordner</translation>
    </message>
</context>
<context>
    <name>ondrix::TagsSection</name>
    <message>
        <source>File Manager Tags</source>
        <translation>Dateimanager-Tags</translation>
    </message>
    <message>
        <source>Tag files by upload status</source>
        <translation>Dateien nach Upload-Status markieren</translation>
    </message>
    <message>
        <source>Files in the watched folder will be tagged in the file manager:</source>
        <translation>Dateien im überwachten Ordner werden im Dateimanager markiert:</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ondrix::TransferSection</name>
    <message>
        <source>Sync &amp;&amp; Transfer</source>
        <translation>Abgleich &amp;&amp; Übertragung</translation>
    </message>
    <message>
        <source>Stability check</source>
        <translation>Stabilitätsprüfung</translation>
    </message>
    <message>
        <source>Wait this long after the last file write before uploading.</source>
        <translation>So lange nach dem letzten Schreibzugriff auf eine Datei warten, bevor sie hochgeladen wird.</translation>
    </message>
    <message>
        <source>Simultaneous uploads</source>
        <translation>Gleichzeitige Uploads</translation>
    </message>
    <message>
        <source>Delete local file after successful upload</source>
        <translation>Lokale Datei nach erfolgreichem Upload löschen</translation>
    </message>
    <message>
        <source>Conflict resolution</source>
        <translation>Konfliktlösung</translation>
    </message>
    <message>
        <source>Upload under a temporary name, then rename</source>
        <translation>Unter temporärem Namen hochladen, dann umbenennen</translation>
    </message>
    <message>
        <source>The file arrives as a hidden name in the target folder and gets its real name once complete, so nothing watching the server sees half a file.</source>
        <translation>Die Datei kommt unter einem versteckten Namen im Zielordner an und erhält ihren echten Namen erst, wenn sie vollständig ist – so sieht niemand, der den Server beobachtet, eine halbe Datei.</translation>
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
        <translation>die Antwort enthält keine Version</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Nach Updates suchen fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1. Check the internet connection and try again later.</source>
        <translation>%1. Prüfen Sie die Internetverbindung und versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Download: %1</source>
        <translation>Herunterladen: %1</translation>
    </message>
    <message>
        <source>Ondrix %1 is available</source>
        <translation>Ondrix %1 ist verfügbar</translation>
    </message>
    <message>
        <source>Ondrix is up to date</source>
        <translation>Ondrix ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Version %1 is the newest.</source>
        <translation>Version %1 ist die neueste.</translation>
    </message>
    <message>
        <source>the answer is larger than a feed can be</source>
        <translation>die Antwort ist größer, als ein Feed sein kann</translation>
    </message>
</context>
</TS>
