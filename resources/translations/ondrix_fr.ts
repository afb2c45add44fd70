<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
</context>
<context>
    <name>ConnectionStatusReport</name>
    <message>
        <source>Idle</source>
        <translation>Au repos</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Surveillance</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>%1 queued, %2 uploading</source>
        <translation>%1 en file d&apos;attente, %2 en cours d&apos;envoi</translation>
    </message>
    <message>
        <source>last error: %1</source>
        <translation>dernière erreur : %1</translation>
    </message>
    <message>
        <source>No connections are set up.</source>
        <translation>Aucune connexion n&apos;est configurée.</translation>
    </message>
</context>
<context>
    <name>ConnectionTester</name>
    <message>
        <source>✓ Connected successfully</source>
        <translation>✓ Connexion réussie</translation>
    </message>
</context>
<context>
    <name>ConnectionsCommand</name>
    <message>
        <source>Quit Ondrix first, or change the connections in its settings window.</source>
        <translation>Quittez d&apos;abord Ondrix, ou modifiez les connexions dans sa fenêtre de paramètres.</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read: %1</source>
        <translation>La liste de connexions enregistrée est illisible : %1</translation>
    </message>
    <message>
        <source>No connections.</source>
        <translation>Aucune connexion.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 est illisible : %2</translation>
    </message>
    <message>
        <source>%1 was not imported, nothing changed: %2</source>
        <translation>%1 n&apos;a pas été importé, rien n&apos;a changé : %2</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read (%1); nothing changed.</source>
        <translation>La liste de connexions enregistrée est illisible (%1) ; rien n&apos;a changé.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n connections</source>
        <translation>
            <numerusform>%n connexion importée</numerusform>
            <numerusform>%n connexions importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n replaced).</source>
        <translation>
            <numerusform> (%n remplacée).</numerusform>
            <numerusform> (%n remplacées).</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: ondrix connections list
       ondrix connections export [--with-passwords] [--output connections.json]
       ondrix connections import [--yes] connections.json</source>
        <translation>Utilisation : ondrix connections list
               ondrix connections export [--with-passwords] [--output connections.json]
               ondrix connections import [--yes] connections.json</translation>
    </message>
    <message>
        <source>key &quot;%1&quot;: %2</source>
        <translation>clé « %1 » : %2</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>aucun hôte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a scheme; give the host name alone</source>
        <translation>« %1 » contient un schéma ; indiquez le nom d&apos;hôte seul</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a path, credentials or spaces; give the host name alone</source>
        <translation>« %1 » contient un chemin, des identifiants ou des espaces ; indiquez le nom d&apos;hôte seul</translation>
    </message>
    <message>
        <source>%1 is not a port (1 to 65535)</source>
        <translation>%1 n&apos;est pas un port (1 à 65535)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier « %1 » n&apos;existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an executable file</source>
        <translation>« %1 » n&apos;est pas un fichier exécutable</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed by other users; make it writable by you only</source>
        <translation>« %1 » peut être modifié par d&apos;autres utilisateurs ; rendez-le modifiable par vous seul</translation>
    </message>
    <message>
        <source>Passwords are not printed to a terminal. Write them to a file only you can read instead:
    ondrix connections export --with-passwords --output connections.json</source>
        <translation>Les mots de passe ne sont pas affichés dans un terminal. Écrivez-les plutôt dans un fichier que vous seul pouvez lire :
    ondrix connections export --with-passwords --output connections.json</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; cannot be read (%2); nothing was exported.</source>
        <translation>Le mot de passe de « %1 » ne peut pas être lu (%2) ; rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>it is larger than a connection list can be (%1 bytes, at most %2)</source>
        <translation>il est plus grand qu&apos;une liste de connexions ne peut l&apos;être (%1 octets, au plus %2)</translation>
    </message>
    <message>
        <source>connection %1, key &quot;%2&quot;: nested deeper than a connection list is</source>
        <translation>connexion %1, clé « %2 » : imbrication plus profonde que celle d&apos;une liste de connexions</translation>
    </message>
    <message>
        <source>connection %1 (&quot;%2&quot;), %3</source>
        <translation>connexion %1 (« %2 »), %3</translation>
    </message>
    <message>
        <source>nothing after upload</source>
        <translation>rien après l&apos;envoi</translation>
    </message>
    <message>
        <source>moves files to %1</source>
        <translation>déplace les fichiers vers %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>exécute %1</translation>
    </message>
    <message>
        <source>deletes local files</source>
        <translation>supprime les fichiers locaux</translation>
    </message>
    <message>
        <source>some connections delete local files or run a script; check the lines above and import again with --yes</source>
        <translation>certaines connexions suppriment des fichiers locaux ou exécutent un script ; vérifiez les lignes ci-dessus et importez à nouveau avec --yes</translation>
    </message>
    <message>
        <source>The keyring did not take the passwords of %1 (%2); nothing changed.</source>
        <translation>Le trousseau de clés n&apos;a pas accepté les mots de passe de %1 (%2) ; rien n&apos;a changé.</translation>
    </message>
</context>
<context>
    <name>CurlHandle</name>
    <message>
        <source> (active mode does not work with FTPS; use passive mode)</source>
        <translation> (le mode actif ne fonctionne pas avec FTPS ; utilisez le mode passif)</translation>
    </message>
    <message>
        <source>: the SSH handshake failed because the server offers no key exchange or host key type that %1 supports. The usual cause is a server with only an RSA host key: %1 cannot check its SHA-2 signatures. Give the server an Ed25519 or ECDSA host key (ssh-keygen -A on the server) and connect again.</source>
        <translation> : la négociation SSH a échoué, car le serveur ne propose aucun échange de clés ni type de clé d&apos;hôte pris en charge par %1. La cause habituelle est un serveur n&apos;ayant qu&apos;une clé d&apos;hôte RSA : %1 ne peut pas vérifier ses signatures SHA-2. Donnez au serveur une clé d&apos;hôte Ed25519 ou ECDSA (ssh-keygen -A sur le serveur) et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Failed to initialize libcurl</source>
        <translation>Impossible d&apos;initialiser libcurl</translation>
    </message>
</context>
<context>
    <name>CurlTransferClient</name>
    <message>
        <source>The remote path contains a line break or NUL character and was not sent: %1</source>
        <translation>Le chemin distant contient un saut de ligne ou un caractère NUL et n&apos;a pas été envoyé : %1</translation>
    </message>
    <message>
        <source>The server&apos;s listing of this folder is larger than %1, so it is not shown; open a sub-folder, or tidy this folder on the server</source>
        <translation>La liste de ce dossier fournie par le serveur dépasse %1 et n&apos;est donc pas affichée ; ouvrez un sous-dossier ou faites le ménage dans ce dossier sur le serveur</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix desktop module</source>
        <translation>%1 n&apos;est pas un module de bureau d&apos;Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 appartient à une autre version d&apos;Ondrix</translation>
    </message>
</context>
<context>
    <name>ExtensionCategory</name>
    <message>
        <source>Images</source>
        <comment>ext.cat.images</comment>
        <translation>Images</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>ext.cat.video</comment>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>ext.cat.audio</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <comment>ext.cat.documents</comment>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment>ext.cat.temp</comment>
        <translation>Fichiers temporaires</translation>
    </message>
</context>
<context>
    <name>FTPError</name>
    <message>
        <source>Connection failed: </source>
        <translation>Échec de la connexion : </translation>
    </message>
    <message>
        <source>Remote path not found: </source>
        <translation>Chemin distant introuvable : </translation>
    </message>
    <message>
        <source>Cannot read file: </source>
        <translation>Impossible de lire le fichier : </translation>
    </message>
    <message>
        <source>Cannot write to: </source>
        <translation>Impossible d&apos;écrire vers : </translation>
    </message>
    <message>
        <source>Transfer failed: </source>
        <translation>Échec du transfert : </translation>
    </message>
    <message>
        <source>curl error </source>
        <translation>erreur curl </translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Échec de l&apos;authentification</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>FTPUploader</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>c&apos;est un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c&apos;est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>c&apos;est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source> (it is a symbolic link; links are not followed, only regular files inside the folder are uploaded)</source>
        <translation> (c&apos;est un lien symbolique ; les liens ne sont pas suivis, seuls les fichiers ordinaires du dossier sont envoyés)</translation>
    </message>
    <message>
        <source>The server does not tell the size of %1, so whether it holds the file cannot be checked</source>
        <translation>Le serveur n&apos;indique pas la taille de %1 ; impossible de vérifier qu&apos;il détient le fichier</translation>
    </message>
    <message>
        <source> (it is not inside the watched folder)</source>
        <translation> (il ne se trouve pas dans le dossier surveillé)</translation>
    </message>
    <message>
        <source>The server&apos;s reply was longer than %1 bytes and was cut off; the server does not answer as an FTP server should</source>
        <translation>La réponse du serveur dépassait %1 octets et a été tronquée ; le serveur ne répond pas comme le devrait un serveur FTP</translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>The host name is not valid. Enter a name such as ftp.example.com or an IP address.</source>
        <translation>Le nom d&apos;hôte n&apos;est pas valide. Saisissez un nom comme ftp.example.com ou une adresse IP.</translation>
    </message>
    <message>
        <source>The host &quot;%1&quot; was not found. Check its spelling and your network connection.</source>
        <translation>L&apos;hôte « %1 » est introuvable. Vérifiez son orthographe et votre connexion réseau.</translation>
    </message>
    <message>
        <source>Nothing accepted a connection at %1 on port %2. Check the host and the port (FTP and FTPS usually use 21, SFTP 22) and that the server is running.</source>
        <translation>Rien n&apos;a accepté de connexion sur %1, port %2. Vérifiez l&apos;hôte et le port (FTP et FTPS utilisent en général 21, SFTP 22) et que le serveur fonctionne.</translation>
    </message>
    <message>
        <source>The server did not answer in time. Check the host and the port, and whether a firewall blocks the connection.</source>
        <translation>Le serveur n&apos;a pas répondu à temps. Vérifiez l&apos;hôte et le port, et si un pare-feu bloque la connexion.</translation>
    </message>
    <message>
        <source>The server refused the login. Check the username and the password.</source>
        <translation>Le serveur a refusé l&apos;identification. Vérifiez le nom d&apos;utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>The server refused to open the folder: it may not exist, or this user may not have access to it. Check the remote path and the user&apos;s permissions on the server.</source>
        <translation>Le serveur a refusé d&apos;ouvrir le dossier : il n&apos;existe peut-être pas, ou cet utilisateur n&apos;y a pas accès. Vérifiez le chemin distant et les droits de l&apos;utilisateur sur le serveur.</translation>
    </message>
    <message>
        <source>The folder or file does not exist on the server. Check the remote path.</source>
        <translation>Le dossier ou le fichier n&apos;existe pas sur le serveur. Vérifiez le chemin distant.</translation>
    </message>
    <message>
        <source>The server&apos;s host key could not be checked. Connect again; if it persists, check the known hosts file.</source>
        <translation>La clé d&apos;hôte du serveur n&apos;a pas pu être vérifiée. Reconnectez-vous ; si le problème persiste, vérifiez le fichier des hôtes connus.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted or is not made out to &quot;%1&quot;. Check the host name; for a private certificate authority, point SSL_CERT_FILE at its certificate.</source>
        <translation>Le certificat du serveur n&apos;est pas approuvé ou n&apos;est pas établi au nom de « %1 ». Vérifiez le nom d&apos;hôte ; pour une autorité de certification privée, faites pointer SSL_CERT_FILE vers son certificat.</translation>
    </message>
    <message>
        <source>The secure connection could not be set up. Check that the server offers explicit FTPS (TLS) on this port.</source>
        <translation>La connexion sécurisée n&apos;a pas pu être établie. Vérifiez que le serveur propose le FTPS explicite (TLS) sur ce port.</translation>
    </message>
    <message>
        <source>The server does not offer TLS. Choose FTP if it has no encryption, or enable TLS on the server.</source>
        <translation>Le serveur ne propose pas TLS. Choisissez FTP s&apos;il n&apos;a pas de chiffrement, ou activez TLS sur le serveur.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was not understood. Check that the protocol matches the server (SFTP for SSH servers, FTP or FTPS otherwise) and the port.</source>
        <translation>La réponse du serveur n&apos;a pas été comprise. Vérifiez que le protocole correspond au serveur (SFTP pour les serveurs SSH, sinon FTP ou FTPS) ainsi que le port.</translation>
    </message>
    <message>
        <source>The server could not open the data connection in active mode. Choose passive mode.</source>
        <translation>Le serveur n&apos;a pas pu ouvrir la connexion de données en mode actif. Choisissez le mode passif.</translation>
    </message>
    <message>
        <source>The connection was cut off. Try again; if it keeps happening, check the protocol, the port and the server&apos;s connection limits.</source>
        <translation>La connexion a été coupée. Réessayez ; si cela se reproduit, vérifiez le protocole, le port et les limites de connexion du serveur.</translation>
    </message>
    <message>
        <source>The private key file %1 cannot be read. Choose the key file again in the connection&apos;s settings.</source>
        <translation>Le fichier de clé privée %1 est illisible. Choisissez à nouveau le fichier de clé dans les paramètres de la connexion.</translation>
    </message>
    <message>
        <source>The server refused the login with the key %1. Check the username, and that the key&apos;s public part is in the server&apos;s authorized_keys file.</source>
        <translation>Le serveur a refusé l&apos;identification avec la clé %1. Vérifiez le nom d&apos;utilisateur, et que la partie publique de la clé figure dans le fichier authorized_keys du serveur.</translation>
    </message>
    <message>
        <source>The connection ended before the whole file arrived. The file is sent again.</source>
        <translation>La connexion s&apos;est terminée avant que le fichier entier soit arrivé. Le fichier est renvoyé.</translation>
    </message>
    <message>
        <source>The server refused to store the file. Check that the user may write to the remote folder and that the server has free space.</source>
        <translation>Le serveur a refusé d&apos;enregistrer le fichier. Vérifiez que l&apos;utilisateur peut écrire dans le dossier distant et que le serveur dispose d&apos;espace libre.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full. Free space on the server; the file is sent again.</source>
        <translation>Le disque du serveur est plein. Libérez de l&apos;espace sur le serveur ; le fichier est renvoyé.</translation>
    </message>
    <message>
        <source>The SSH connection broke off. The file is sent again; if it keeps happening, check the network and the server&apos;s session and connection limits.</source>
        <translation>La connexion SSH s&apos;est interrompue. Le fichier est renvoyé ; si cela se répète, vérifiez le réseau et les limites de sessions et de connexions du serveur.</translation>
    </message>
    <message>
        <source>The connection was cut off. The file is sent again; if it keeps happening, check the network and the server&apos;s connection limits.</source>
        <translation>La connexion a été coupée. Le fichier est renvoyé ; si cela se répète, vérifiez le réseau et les limites de connexions du serveur.</translation>
    </message>
</context>
<context>
    <name>FailureNotices</name>
    <message numerus="yes">
        <source>%1 (failed %n times in a row)</source>
        <translation>
            <numerusform>%1 (échec %n fois de suite)</numerusform>
            <numerusform>%1 (échec %n fois de suite)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPresets</name>
    <message>
        <source>All files (no filter)</source>
        <translation>Tous les fichiers (aucun filtre)</translation>
    </message>
    <message>
        <source>Downloads every file without filtering</source>
        <translation>Envoie tous les fichiers sans filtrage</translation>
    </message>
    <message>
        <source>All except temporaries (recommended)</source>
        <translation>Tout sauf les fichiers temporaires (recommandé)</translation>
    </message>
    <message>
        <source>Downloads everything, ignores temp/partial files</source>
        <translation>Envoie tout, ignore les fichiers temporaires ou partiels</translation>
    </message>
    <message>
        <source>Photography</source>
        <translation>Photographie</translation>
    </message>
    <message>
        <source>RAW, processed images and sidecar files</source>
        <translation>RAW, images retouchées et fichiers annexes</translation>
    </message>
    <message>
        <source>E-commerce / Data</source>
        <translation>E-commerce / Données</translation>
    </message>
    <message>
        <source>CSV, Excel, XML, JSON and EDI files</source>
        <translation>Fichiers CSV, Excel, XML, JSON et EDI</translation>
    </message>
    <message>
        <source>Audiovisual</source>
        <translation>Audiovisuel</translation>
    </message>
    <message>
        <source>Video, audio, subtitles and editing formats</source>
        <translation>Vidéo, audio, sous-titres et formats de montage</translation>
    </message>
    <message>
        <source>Health / Compliance</source>
        <translation>Santé / Conformité</translation>
    </message>
    <message>
        <source>Medical, HL7, DICOM and encrypted files</source>
        <translation>Fichiers médicaux, HL7, DICOM et chiffrés</translation>
    </message>
    <message>
        <source>Finance / Accounting</source>
        <translation>Finance / Comptabilité</translation>
    </message>
    <message>
        <source>Banking, invoicing and financial data</source>
        <translation>Données bancaires, de facturation et financières</translation>
    </message>
    <message>
        <source>Data / Analytics</source>
        <translation>Données / Analyse</translation>
    </message>
    <message>
        <source>Datasets, compressed archives and query formats</source>
        <translation>Jeux de données, archives compressées et formats de requête</translation>
    </message>
    <message>
        <source>Research / Science</source>
        <translation>Recherche / Science</translation>
    </message>
    <message>
        <source>Scientific data, genomics and simulation files</source>
        <translation>Données scientifiques, génomique et fichiers de simulation</translation>
    </message>
    <message>
        <source>Agency / Creative</source>
        <translation>Agence / Création</translation>
    </message>
    <message>
        <source>Design, photography and creative assets</source>
        <translation>Design, photographie et ressources créatives</translation>
    </message>
    <message>
        <source>IT / Integrations</source>
        <translation>Informatique / Intégrations</translation>
    </message>
    <message>
        <source>Config, logs, backups and data exchange</source>
        <translation>Configuration, journaux, sauvegardes et échange de données</translation>
    </message>
    <message>
        <source>Print / Graphics</source>
        <translation>Impression / Graphisme</translation>
    </message>
    <message>
        <source>Print-ready, prepress and design files</source>
        <translation>Fichiers prêts à imprimer, de prépresse et de design</translation>
    </message>
    <message>
        <source>Photos only</source>
        <translation>Photos uniquement</translation>
    </message>
    <message>
        <source>RAW + processed image formats</source>
        <translation>Formats RAW et images retouchées</translation>
    </message>
    <message>
        <source>Video only</source>
        <translation>Vidéo uniquement</translation>
    </message>
    <message>
        <source>Common video and cinema formats</source>
        <translation>Formats vidéo et cinéma courants</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Define your own extensions</source>
        <translation>Définissez vos propres extensions</translation>
    </message>
</context>
<context>
    <name>FolderDeliveries</name>
    <message>
        <source>Its after-upload action is left out for the files it shares with %1, which comes first in the list of connections and acts on them; a file is acted on once, after every connection has it</source>
        <translation>Son action après envoi est omise pour les fichiers qu&apos;elle partage avec %1, qui vient en premier dans la liste des connexions et s&apos;en charge ; un fichier n&apos;est traité qu&apos;une fois, quand toutes les connexions l&apos;ont</translation>
    </message>
    <message>
        <source>Kept until %1 has it too: </source>
        <translation>Conservé jusqu&apos;à ce que %1 l&apos;ait aussi : </translation>
    </message>
    <message>
        <source>Keeps its record of uploaded files together with %1 (same server address, local folder and remote folder): after a restart, a file either of them sent counts as sent by both, so files both take are neither deleted, moved nor handed to a script after their upload. Give one of them another remote folder.</source>
        <translation>Partage son registre des fichiers envoyés avec %1 (même adresse de serveur, même dossier local et même dossier distant) : après un redémarrage, un fichier envoyé par l&apos;une compte comme envoyé par les deux ; les fichiers pris en charge par les deux ne sont donc ni supprimés, ni déplacés, ni confiés à un script après leur envoi. Donnez à l&apos;une d&apos;elles un autre dossier distant.</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>Not selected</source>
        <translation>Non sélectionné</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <source>size verified</source>
        <translation>taille vérifiée</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <extracomment>%1 is a checksum algorithm, e.g. SHA-256</extracomment>
        <translation>%1 vérifié</translation>
    </message>
</context>
<context>
    <name>IPTCMetadataService</name>
    <message>
        <source>Keywords cannot be written into images, so images are uploaded without them: %1. Reinstall Ondrix to restore its keyword module.</source>
        <translation>Impossible d’écrire les mots-clés dans les images : elles sont envoyées sans eux : %1. Réinstallez Ondrix pour rétablir son module de mots-clés.</translation>
    </message>
    <message>
        <source>%1 is larger than 2 GiB, so it goes up without the connection&apos;s keywords</source>
        <translation>%1 dépasse 2 Gio et est donc envoyé sans les mots-clés de la connexion</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>IptcPresetsFile</name>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>Le fichier n&apos;est pas du JSON valide (%1 à l&apos;octet %2).</translation>
    </message>
    <message>
        <source>The file does not hold a list of presets.</source>
        <translation>Le fichier ne contient pas de liste de préréglages.</translation>
    </message>
    <message>
        <source>Preset %1 of the file is not an object with the text fields &quot;id&quot;, &quot;name&quot; and &quot;keyword&quot;.</source>
        <translation>Le préréglage %1 du fichier n&apos;est pas un objet avec les champs texte &quot;id&quot;, &quot;name&quot; et &quot;keyword&quot;.</translation>
    </message>
</context>
<context>
    <name>KeywordModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix keyword module</source>
        <translation>%1 n’est pas un module de mots-clés d’Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 appartient à une autre version d&apos;Ondrix</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not set Ondrix to start at login: %1</source>
        <translation>Impossible de lancer Ondrix à l&apos;ouverture de session : %1</translation>
    </message>
    <message>
        <source>Could not stop Ondrix from starting at login: %1</source>
        <translation>Impossible d&apos;empêcher le lancement d&apos;Ondrix à l&apos;ouverture de session : %1</translation>
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
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>MenuBarPresentation</name>
    <message>
        <source>No network</source>
        <translation>Pas de réseau</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Aucune connexion</translation>
    </message>
    <message>
        <source>1 active connection</source>
        <translation>1 connexion active</translation>
    </message>
    <message>
        <source>Paused — mobile hotspot detected</source>
        <translation>En pause — point d&apos;accès mobile détecté</translation>
    </message>
    <message>
        <source>Paused — no internet connection</source>
        <translation>En pause — pas de connexion Internet</translation>
    </message>
    <message>
        <source>Preventing sleep — uploading</source>
        <translation>Mise en veille empêchée — envoi en cours</translation>
    </message>
    <message>
        <source>Sleep prevention enabled</source>
        <translation>Blocage de la mise en veille activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêtée</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connectée</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>Aucun préréglage</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1d</source>
        <translation>%1 j</translation>
    </message>
    <message>
        <source>%1h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>%1 Go libres</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Hotspot</source>
        <translation>Point d&apos;accès</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No network connection at all</extracomment>
        <translation>Aucun réseau</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network state before it is first known</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message numerus="yes">
        <source>%n active connections</source>
        <translation>
            <numerusform>%n connexion active</numerusform>
            <numerusform>%n connexions actives</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading 1 file</source>
        <translation>Envoi de 1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n files</source>
        <translation>
            <numerusform>Envoi de %n fichier</numerusform>
            <numerusform>Envoi de %n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n more uploading...</source>
        <translation>
            <numerusform>+%n autre en cours d&apos;envoi…</numerusform>
            <numerusform>+%n autres en cours d&apos;envoi…</numerusform>
        </translation>
    </message>
    <message>
        <source>1 connection has an error</source>
        <translation>1 connexion a une erreur</translation>
    </message>
    <message numerus="yes">
        <source>%n connections have errors</source>
        <translation>
            <numerusform>%n connexion a une erreur</numerusform>
            <numerusform>%n connexions ont des erreurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PostUploadActions</name>
    <message>
        <source>%1 stays in place, not moved to the archive: %2</source>
        <translation>%1 reste en place et n&apos;est pas déplacé vers l&apos;archive : %2</translation>
    </message>
    <message>
        <source>the archive folder %1 does not exist</source>
        <translation>le dossier d&apos;archive %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the archive folder %1 is not writable (%2)</source>
        <translation>le dossier d&apos;archive %1 n&apos;est pas accessible en écriture (%2)</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>%1 is damaged and could not be moved aside</source>
        <translation>%1 est endommagé et n&apos;a pas pu être mis de côté</translation>
    </message>
</context>
<context>
    <name>PushConnection</name>
    <message>
        <source>Passive (recommended)</source>
        <translation>Passif (recommandé)</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Rename (add suffix)</source>
        <translation>Renommer (ajouter un suffixe)</translation>
    </message>
    <message>
        <source>Skip (keep existing)</source>
        <translation>Ignorer (garder l&apos;existant)</translation>
    </message>
    <message>
        <source>New Connection</source>
        <translation>Nouvelle connexion</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>an array of numbers</source>
        <translation>un tableau de nombres</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the unknown value &quot;%2&quot;</source>
        <translation>« %1 » a la valeur inconnue « %2 »</translation>
    </message>
    <message>
        <source>a UUID string</source>
        <translation>une chaîne UUID</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>la clé « %1 » est absente</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>« %1 » doit être %2</translation>
    </message>
    <message>
        <source>the connection list is not a JSON array</source>
        <translation>la liste de connexions n&apos;est pas un tableau JSON</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>pas un objet</translation>
    </message>
    <message>
        <source>connection %1: %2</source>
        <translation>connexion %1 : %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>Not uploaded: FTP cannot carry a name with a tab, a line break or another control character: %1. Rename the file, or connect over SFTP, which carries such names.</source>
        <translation>Non envoyé : FTP ne peut pas transmettre un nom contenant une tabulation, un saut de ligne ou un autre caractère de contrôle : %1. Renommez le fichier, ou connectez-vous en SFTP, qui transmet de tels noms.</translation>
    </message>
</context>
<context>
    <name>RemoteControlClient</name>
    <message>
        <source>no session bus</source>
        <translation>aucun bus de session</translation>
    </message>
    <message>
        <source>no running instance on the session bus</source>
        <translation>aucune instance en cours d&apos;exécution sur le bus de session</translation>
    </message>
</context>
<context>
    <name>RemoteDelivery</name>
    <message>
        <source>%1 and %2 numbered copies of it exist on the server</source>
        <translation>%1 et %2 copies numérotées existent déjà sur le serveur</translation>
    </message>
    <message>
        <source>has no file</source>
        <translation>il n&apos;a aucun fichier</translation>
    </message>
    <message numerus="yes">
        <source>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</source>
        <translation>
            <numerusform>Le serveur a signalé un succès, mais %1 alors que %2 octet a été envoyé (%3) ; le fichier local est conservé</numerusform>
            <numerusform>Le serveur a signalé un succès, mais %1 alors que %2 octets ont été envoyés (%3) ; le fichier local est conservé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %1 bytes</source>
        <translation>
            <numerusform>il contient %1 octet</numerusform>
            <numerusform>il contient %1 octets</numerusform>
        </translation>
    </message>
    <message>
        <source>the server does not offer to resume uploads (REST STREAM)</source>
        <translation>le serveur ne permet pas de reprendre les envois (REST STREAM)</translation>
    </message>
    <message>
        <source>The server holds other bytes than were sent (%1): its %2 is %3, the file sent has %4; the local file is kept</source>
        <translation>Le serveur détient d&apos;autres octets que ceux envoyés (%1) : son %2 est %3, le fichier envoyé a %4 ; le fichier local est conservé</translation>
    </message>
</context>
<context>
    <name>RemoteNames</name>
    <message>
        <source>A name cannot contain “/” or line breaks, and cannot be “.” or “..”.</source>
        <translation>Un nom ne peut pas contenir « / » ni de saut de ligne, et ne peut pas être « . » ou « .. ».</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 dossier</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>Empty folder</source>
        <translation>Dossier vide</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of a remote file, e.g. &quot;JPG File&quot;</extracomment>
        <translation>Fichier %1</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SshKnownHosts</name>
    <message>
        <source>The server&apos;s host key changed: %1 no longer presents the key trusted in %2. The server may have been reinstalled, or someone may be intercepting the connection. If you expect the change, remove the line for %1 from that file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) and connect again.</source>
        <translation>La clé d&apos;hôte du serveur a changé : %1 ne présente plus la clé approuvée dans %2. Le serveur a peut-être été réinstallé, ou quelqu&apos;un intercepte peut-être la connexion. Si ce changement est attendu, supprimez la ligne de %1 dans ce fichier (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Trusted the SSH host key of %1 on first use: %2 %3. If this is not the server&apos;s key, remove its line from %4.</source>
        <translation>Clé d&apos;hôte SSH de %1 acceptée à la première connexion : %2 %3. Si ce n&apos;est pas la clé du serveur, supprimez sa ligne de %4.</translation>
    </message>
    <message>
        <source>The file of trusted SSH host keys %1 cannot be read or written, so no server key can be checked; make it readable and writable by you (or remove it) and connect again.</source>
        <translation>Le fichier des clés d&apos;hôte SSH de confiance %1 ne peut être ni lu ni écrit, aucune clé de serveur ne peut donc être vérifiée ; rendez-le lisible et modifiable par vous (ou supprimez-le) et reconnectez-vous.</translation>
    </message>
</context>
<context>
    <name>StoredConnectionList</name>
    <message>
        <source>it holds a dictionary of numbers, not data</source>
        <translation>elle contient un dictionnaire de nombres, pas des données</translation>
    </message>
    <message>
        <source>it holds a list of texts, not data</source>
        <translation>elle contient une liste de textes, pas des données</translation>
    </message>
    <message>
        <source>it holds a text or a number, not data</source>
        <translation>elle contient un texte ou un nombre, pas des données</translation>
    </message>
    <message>
        <source>The connection list stored under &quot;%1&quot; cannot be read (%2), so no connections were loaded. A copy of it is kept under &quot;%3&quot; in %4; fix it there, or add the connections again.</source>
        <translation>La liste de connexions enregistrée sous « %1 » est illisible (%2), aucune connexion n&apos;a donc été chargée. Une copie est conservée sous « %3 » dans %4 ; corrigez-la à cet endroit, ou ajoutez à nouveau les connexions.</translation>
    </message>
</context>
<context>
    <name>UploadTask</name>
    <message>
        <source> (the server refused to make or open the folder %1)</source>
        <translation> (le serveur a refusé de créer ou d’ouvrir le dossier %1)</translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ondrix is running (process %1).</source>
        <translation>Ondrix est en cours d&apos;exécution (processus %1).</translation>
    </message>
    <message>
        <source>Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the settings window or in the preferences store (see the README).</source>
        <translation>Maintient des dossiers locaux synchronisés vers des serveurs FTP, FTPS et SFTP. Les connexions se configurent dans la fenêtre des paramètres ou dans le stockage des préférences (voir le README).</translation>
    </message>
    <message>
        <source>Run without a tray icon or windows.</source>
        <translation>Fonctionner sans icône dans la zone de notification ni fenêtres.</translation>
    </message>
    <message>
        <source>Ondrix is already running for this user (process %1). Quit it first, or remove %2 if no Ondrix is running.</source>
        <translation>Ondrix est déjà en cours d&apos;exécution pour cet utilisateur (processus %1). Quittez-le d&apos;abord, ou supprimez %2 si aucun Ondrix ne tourne.</translation>
    </message>
    <message>
        <source>Stopping at once.</source>
        <translation>Arrêt immédiat.</translation>
    </message>
    <message>
        <source>Stopping: waiting for running uploads to finish (signal again to quit at once).</source>
        <translation>Arrêt : attente de la fin des envois en cours (un nouveau signal quitte immédiatement).</translation>
    </message>
    <message>
        <source>No connections are set up, so nothing is uploaded. The README (section &quot;The preferences database&quot;) explains how to add one; `ondrix connections import FILE.json` adds them from a file.</source>
        <translation>Aucune connexion n&apos;est configurée, rien n&apos;est donc envoyé. Le README (section « The preferences database ») explique comment en ajouter une ; `ondrix connections import FILE.json` les ajoute depuis un fichier.</translation>
    </message>
    <message>
        <source>Connections loaded: %1 (%2 enabled).</source>
        <translation>Connexions chargées : %1 (%2 activées).</translation>
    </message>
    <message>
        <source>Bring the running Ondrix forward (its popover or window).</source>
        <translation>Mettre au premier plan l&apos;Ondrix en cours d&apos;exécution (son panneau ou sa fenêtre).</translation>
    </message>
    <message>
        <source>Cannot reach a running Ondrix: %1</source>
        <translation>Impossible de joindre un Ondrix en cours d&apos;exécution : %1</translation>
    </message>
    <message>
        <source>Remote control is not available: %1</source>
        <translation>Le contrôle à distance n&apos;est pas disponible : %1</translation>
    </message>
    <message>
        <source>Pause every connection of the running Ondrix.</source>
        <translation>Mettre en pause toutes les connexions de l&apos;Ondrix en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Resume every connection of the running Ondrix.</source>
        <translation>Reprendre toutes les connexions de l&apos;Ondrix en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once.</source>
        <translation>Analyser à nouveau chaque connexion active et réessayer aussitôt les fichiers en échec.</translation>
    </message>
    <message>
        <source>Print one line per connection: name, state, files queued and uploading, last error.</source>
        <translation>Afficher une ligne par connexion : nom, état, fichiers en attente et en cours d&apos;envoi, dernière erreur.</translation>
    </message>
    <message>
        <source>The desktop interface cannot be loaded, so Ondrix runs without a tray icon or windows: %1</source>
        <translation>L&apos;interface de bureau ne peut pas être chargée ; Ondrix fonctionne donc sans icône dans la zone de notification ni fenêtres : %1</translation>
    </message>
    <message>
        <source>With --status: print the state as one JSON document: per connection its state, pause reasons, counts, last success and last error; the version and uptime.</source>
        <translation>Avec --status : afficher l&apos;état sous forme d&apos;un seul document JSON : pour chaque connexion son état, les raisons de pause, les compteurs, le dernier succès et la dernière erreur ; la version et la durée de fonctionnement.</translation>
    </message>
    <message>
        <source>Keep Prometheus metrics in &lt;file&gt; (for node_exporter&apos;s textfile collector), written every 10 seconds and at stop.</source>
        <translation>Tenir les métriques Prometheus dans &lt;file&gt; (pour le collecteur textfile de node_exporter), écrites toutes les 10 secondes et à l&apos;arrêt.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json s&apos;utilise avec --status.</translation>
    </message>
</context>
<context>
    <name>ondrix::AboutView</name>
    <message>
        <source>Ondrix icon</source>
        <translation>Icône d&apos;Ondrix</translation>
    </message>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Conditions d&apos;utilisation</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
</context>
<context>
    <name>ondrix::ActivityList</name>
    <message>
        <source>ACTIVITY</source>
        <translation>ACTIVITÉ</translation>
    </message>
    <message>
        <source>Monitoring — no transfers in progress</source>
        <translation>Surveillance — aucun transfert en cours</translation>
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
        <translation>Ouvrir Ondrix</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>À propos d&apos;Ondrix</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Ondrix Website</source>
        <translation>Site web d&apos;Ondrix</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contacter l&apos;assistance</translation>
    </message>
    <message>
        <source>Quit Ondrix</source>
        <translation>Quitter Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Settings</source>
        <translation>Paramètres d&apos;Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Log</source>
        <translation>Journal d&apos;Ondrix</translation>
    </message>
    <message>
        <source>Ondrix History</source>
        <translation>Historique d&apos;Ondrix</translation>
    </message>
    <message>
        <source>Hide Ondrix</source>
        <translation>Masquer Ondrix</translation>
    </message>
</context>
<context>
    <name>ondrix::Application</name>
    <message>
        <source>Settings cannot be saved in this run, the preferences file was left untouched: %1</source>
        <translation>Les paramètres ne peuvent pas être enregistrés pendant cette exécution, le fichier des préférences n&apos;a pas été modifié : %1</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserFolderView</name>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Contenu du dossier</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Rename selected item</source>
        <translation>Renommer l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Supprimer les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Ce dossier ne peut pas être affiché</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>Impossible de lister %1 : %2</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Retirer l&apos;étiquette</translation>
    </message>
    <message>
        <source>Cannot Open</source>
        <translation>Ouverture impossible</translation>
    </message>
    <message>
        <source>Enter a name for the new folder at </source>
        <translation>Saisissez un nom pour le nouveau dossier dans </translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nom du dossier</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Cannot Create Folder</source>
        <translation>Création du dossier impossible</translation>
    </message>
    <message>
        <source>Could not create the folder “%1”: %2</source>
        <translation>Impossible de créer le dossier « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Renommage impossible</translation>
    </message>
    <message>
        <source>Enter a new name for &apos;%1&apos;</source>
        <translation>Saisissez un nouveau nom pour « %1 »</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Could not rename “%1”: %2</source>
        <translation>Impossible de renommer « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot Delete</source>
        <translation>Suppression impossible</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Cette opération est irréversible.</translation>
    </message>
    <message>
        <source>Could not delete “%1”: %2</source>
        <translation>Impossible de supprimer « %1 » : %2</translation>
    </message>
    <message>
        <source>A folder can only be deleted when it is empty.</source>
        <translation>Un dossier ne peut être supprimé que s&apos;il est vide.</translation>
    </message>
    <message>
        <source>Cannot Tag</source>
        <translation>Étiquetage impossible</translation>
    </message>
    <message>
        <source>The server lists an entry named “%1”. Its name contains a line break, a NUL character or a “/”, or is “.” or “..”, so a command on it could act on another entry. Ondrix leaves it alone; rename or remove it with another program on the server.</source>
        <translation>Le serveur liste une entrée nommée « %1 ». Son nom contient un saut de ligne, un caractère NUL ou un « / », ou vaut « . » ou « .. », si bien qu&apos;une commande sur elle pourrait agir sur une autre entrée. Ondrix n&apos;y touche pas ; renommez-la ou supprimez-la avec un autre programme sur le serveur.</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items</source>
        <translation>
            <numerusform>Supprimer %n élément</numerusform>
            <numerusform>Supprimer %n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items?</source>
        <translation>
            <numerusform>Supprimer %n élément ?</numerusform>
            <numerusform>Supprimer %n éléments ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserStatePage</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserView</name>
    <message>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Aucune connexion</translation>
    </message>
    <message>
        <source>Add a connection in the Connections tab first.</source>
        <translation>Ajoutez d&apos;abord une connexion dans l&apos;onglet Connexions.</translation>
    </message>
    <message>
        <source>Select a connection</source>
        <translation>Sélectionnez une connexion</translation>
    </message>
    <message>
        <source>Choose a connection from the sidebar.</source>
        <translation>Choisissez une connexion dans la barre latérale.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEditView</name>
    <message>
        <source>Scroll the connection settings</source>
        <translation>Faire défiler les paramètres de la connexion</translation>
    </message>
    <message>
        <source>Scroll the connection settings sideways</source>
        <translation>Faire défiler les paramètres de la connexion horizontalement</translation>
    </message>
    <message>
        <source>This connection is locked. Click the lock to edit.</source>
        <translation>Cette connexion est verrouillée. Cliquez sur le cadenas pour la modifier.</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEngine</name>
    <message>
        <source>No local folder configured</source>
        <translation>Aucun dossier local configuré</translation>
    </message>
    <message>
        <source>Local folder not found: </source>
        <translation>Dossier local introuvable : </translation>
    </message>
    <message>
        <source>Watching </source>
        <translation>Surveillance de </translation>
    </message>
    <message>
        <source>Stability check (%1s): </source>
        <translation>Contrôle de stabilité (%1 s) : </translation>
    </message>
    <message>
        <source>Skipped (already uploaded): </source>
        <translation>Ignoré (déjà envoyé) : </translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation>En file d&apos;attente : </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Changed during the upload, kept to go up again: </source>
        <translation>Modifié pendant l&apos;envoi, conservé pour être renvoyé : </translation>
    </message>
    <message>
        <source>Still being written, offered again later: </source>
        <translation>Encore en cours d&apos;écriture, proposé à nouveau plus tard : </translation>
    </message>
    <message>
        <source>Upload cut short by the stop; it goes up at the next start: </source>
        <translation>Envoi interrompu par l&apos;arrêt ; il sera envoyé au prochain démarrage : </translation>
    </message>
    <message>
        <source>Stopping: uploads still running after %1 s are cut short; they go up again at the next start</source>
        <translation>Arrêt : les envois encore en cours après %1 s sont interrompus ; ils seront renvoyés au prochain démarrage</translation>
    </message>
    <message>
        <source>Skipped (exists on server): </source>
        <translation>Ignoré (existe sur le serveur) : </translation>
    </message>
    <message>
        <source>Ondrix looks for it again every few seconds.</source>
        <translation>Ondrix le recherche à nouveau toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>The local folder was deleted or moved away: </source>
        <translation>Le dossier local a été supprimé ou déplacé : </translation>
    </message>
    <message>
        <source>Still open for writing, kept until its writer is done: </source>
        <translation>Encore ouvert en écriture, conservé jusqu’à ce que le programme qui l’écrit ait fini : </translation>
    </message>
    <message>
        <source>Resumed at %1 of %2: </source>
        <translation>Repris à %1 sur %2 : </translation>
    </message>
    <message>
        <source>Resuming was not possible, sent whole: </source>
        <translation>Reprise impossible, envoyé en entier : </translation>
    </message>
    <message>
        <source>The local folder %1 cannot be opened without following a symbolic link (%2); nothing in it is uploaded</source>
        <translation>Le dossier local %1 ne peut pas être ouvert sans suivre un lien symbolique (%2) ; rien de ce qu&apos;il contient n&apos;est envoyé</translation>
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
        <translation>Mode déplacement : les fichiers locaux sont supprimés après l&apos;envoi.</translation>
    </message>
    <message>
        <source>Copy mode: local files are kept after upload.</source>
        <translation>Mode copie : les fichiers locaux sont conservés après l&apos;envoi.</translation>
    </message>
    <message>
        <source>The script receives the local file path as the first argument.</source>
        <translation>Le script reçoit le chemin du fichier local comme premier argument.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name or IP address.</source>
        <translation>Saisissez le nom d&apos;hôte ou l&apos;adresse IP du serveur.</translation>
    </message>
    <message>
        <source>Enter the host name alone, without &quot;ftp://&quot; or &quot;sftp://&quot;; choose the protocol above.</source>
        <translation>Saisissez uniquement le nom d&apos;hôte, sans « ftp:// » ni « sftp:// » ; choisissez le protocole ci-dessus.</translation>
    </message>
    <message>
        <source>A host name cannot contain spaces or &quot;/&quot;. Put the folder under Remote Folder.</source>
        <translation>Un nom d&apos;hôte ne peut contenir ni espaces ni « / ». Indiquez le dossier dans Dossier distant.</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535 (FTP and FTPS usually use 21, SFTP 22).</source>
        <translation>Le port doit être un nombre entier de 1 à 65535 (FTP et FTPS utilisent en général 21, SFTP 22).</translation>
    </message>
    <message>
        <source>This folder does not exist. Create it again or choose another folder.</source>
        <translation>Ce dossier n&apos;existe pas. Recréez-le ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>This is a file, not a folder. Choose a folder.</source>
        <translation>Ceci est un fichier, pas un dossier. Choisissez un dossier.</translation>
    </message>
    <message>
        <source>This folder cannot be read. Check its permissions (chmod u+rx) or choose another folder.</source>
        <translation>Ce dossier est illisible. Vérifiez ses droits (chmod u+rx) ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>The remote path cannot contain a line break. The last path without one is kept.</source>
        <translation>Le chemin distant ne peut pas contenir de saut de ligne. Le dernier chemin sans saut de ligne est conservé.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>Required: </source>
        <translation>Requis : </translation>
    </message>
    <message>
        <source>Port %1 is usually FTP; SFTP servers usually listen on %2.</source>
        <translation>Le port %1 est généralement celui de FTP ; les serveurs SFTP écoutent généralement sur le %2.</translation>
    </message>
    <message>
        <source>Port %1 is usually SFTP; FTP and FTPS servers usually listen on %2.</source>
        <translation>Le port %1 est généralement celui de SFTP ; les serveurs FTP et FTPS écoutent généralement sur le %2.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is deleted only once every connection that takes it has uploaded it.</source>
        <translation>Également surveillé par %1 : un fichier n&apos;est supprimé qu&apos;une fois envoyé par toutes les connexions qui le prennent en charge.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is moved to the archive only once every connection that takes it has uploaded it.</source>
        <translation>Également surveillé par %1 : un fichier n&apos;est déplacé vers l&apos;archive qu&apos;une fois envoyé par toutes les connexions qui le prennent en charge.</translation>
    </message>
    <message>
        <source>Also watched by %1: the script runs for a file only once every connection that takes it has uploaded it.</source>
        <translation>Également surveillé par %1 : le script ne s&apos;exécute pour un fichier qu&apos;une fois celui-ci envoyé par toutes les connexions qui le prennent en charge.</translation>
    </message>
    <message>
        <source>Also watched by %1: deleting, archiving or a script set on any of them waits until every connection that takes the file has uploaded it.</source>
        <translation>Également surveillé par %1 : la suppression, l&apos;archivage ou un script réglé sur l&apos;une d&apos;elles attend que toutes les connexions qui prennent le fichier en charge l&apos;aient envoyé.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRow</name>
    <message>
        <source>Enable connection</source>
        <translation>Activer la connexion</translation>
    </message>
    <message>
        <source>Schedule enabled</source>
        <translation>Planification activée</translation>
    </message>
    <message>
        <source>Open watched folder</source>
        <translation>Ouvrir le dossier surveillé</translation>
    </message>
    <message>
        <source>simultaneous uploads</source>
        <translation>envois simultanés</translation>
    </message>
    <message>
        <source>stability check</source>
        <translation>contrôle de stabilité</translation>
    </message>
    <message>
        <source>Keyword preset</source>
        <translation>Préréglage de mots-clés</translation>
    </message>
    <message>
        <source>Disable connection</source>
        <translation>Désactiver la connexion</translation>
    </message>
    <message>
        <source>Simultaneous uploads: </source>
        <translation>Envois simultanés : </translation>
    </message>
    <message>
        <source>Stability check: </source>
        <translation>Contrôle de stabilité : </translation>
    </message>
    <message>
        <source>Keyword preset: </source>
        <translation>Préréglage de mots-clés : </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Modifier la connexion</translation>
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
        <translation>CONNEXIONS</translation>
    </message>
    <message>
        <source>No connections configured</source>
        <translation>Aucune connexion configurée</translation>
    </message>
    <message>
        <source>Add Connection</source>
        <translation>Ajouter une connexion</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowView</name>
    <message>
        <source>Disable connection</source>
        <translation>Désactiver la connexion</translation>
    </message>
    <message>
        <source>Enable connection</source>
        <translation>Activer la connexion</translation>
    </message>
    <message>
        <source>Unlock connection</source>
        <translation>Déverrouiller la connexion</translation>
    </message>
    <message>
        <source>Lock connection</source>
        <translation>Verrouiller la connexion</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSecrets</name>
    <message>
        <source>no keyring is running in this session</source>
        <translation>aucun trousseau de clés ne fonctionne dans cette session</translation>
    </message>
    <message numerus="yes">
        <source>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</source>
        <translation>
            <numerusform>Le mot de passe de %n connexion est dans le trousseau de clés, mais aucun trousseau ne fonctionne : elle attend. Démarrez-en un, ou fournissez le mot de passe comme identifiant systemd.</numerusform>
            <numerusform>Les mots de passe de %n connexions sont dans le trousseau de clés, mais aucun trousseau ne fonctionne : elles attendent. Démarrez-en un, ou fournissez les mots de passe comme identifiants systemd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring to give out the password.</source>
        <translation>En attente du mot de passe de la part du trousseau de clés.</translation>
    </message>
    <message>
        <source>The password is in the keyring, which does not give it out yet: %1</source>
        <translation>Le mot de passe est dans le trousseau de clés, qui ne le fournit pas encore : %1</translation>
    </message>
    <message>
        <source>The keyring no longer holds the password of &quot;%1&quot;; enter it again in the connection&apos;s settings.</source>
        <translation>Le trousseau de clés ne contient plus le mot de passe de « %1 » ; saisissez-le à nouveau dans les réglages de la connexion.</translation>
    </message>
    <message>
        <source>the keyring did not give the password back</source>
        <translation>le trousseau de clés n&apos;a pas rendu le mot de passe</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n passwords from the preferences database to the keyring.</source>
        <translation>
            <numerusform>%n mot de passe déplacé de la base des préférences vers le trousseau de clés.</numerusform>
            <numerusform>%n mots de passe déplacés de la base des préférences vers le trousseau de clés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The keyring does not give out or take passwords (%1). Connections whose password is in it wait until it does: unlock the keyring, or enter their passwords again.</source>
        <translation>Le trousseau de clés ne fournit ni n&apos;accepte de mots de passe (%1). Les connexions dont le mot de passe s&apos;y trouve attendent qu&apos;il le fasse : déverrouillez le trousseau ou saisissez à nouveau leurs mots de passe.</translation>
    </message>
    <message>
        <source>No keyring was found, so passwords are stored in the preferences database (%1), which only you can read.</source>
        <translation>Aucun trousseau de clés n&apos;a été trouvé : les mots de passe sont donc enregistrés dans la base des préférences (%1), que vous seul pouvez lire.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSection</name>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>My Server</source>
        <translation>Mon serveur</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
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
        <translation>Utiliser le port habituel</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose private key</source>
        <translation>Choisir la clé privée</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear private key</source>
        <translation>Effacer la clé privée</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Clé privée</translation>
    </message>
    <message>
        <source>FTP Mode</source>
        <translation>Mode FTP</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <source>Use port %1</source>
        <translation>Utiliser le port %1</translation>
    </message>
    <message>
        <source>None (password login)</source>
        <translation>Aucune (identification par mot de passe)</translation>
    </message>
    <message>
        <source>Choose the SSH private key</source>
        <translation>Choisissez la clé privée SSH</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionTestArea</name>
    <message>
        <source>Test Connection</source>
        <translation>Tester la connexion</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Test en cours…</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message>
        <source>One or more connections have errors</source>
        <translation>Une ou plusieurs connexions sont en erreur</translation>
    </message>
    <message>
        <source>Ondrix is uploading files</source>
        <translation>Ondrix envoie des fichiers</translation>
    </message>
    <message>
        <source>System going to sleep — pausing all connections</source>
        <translation>Mise en veille du système — pause de toutes les connexions</translation>
    </message>
    <message>
        <source>System woke up — resuming connections</source>
        <translation>Réveil du système — reprise des connexions</translation>
    </message>
    <message numerus="yes">
        <source>Upload Now: rescanning %n connections</source>
        <translation>
            <numerusform>Envoyer maintenant : nouvelle analyse de %n connexion</numerusform>
            <numerusform>Envoyer maintenant : nouvelle analyse de %n connexions</numerusform>
        </translation>
    </message>
    <message>
        <source>System woke up — connections stay paused (%1)</source>
        <translation>Système réveillé — les connexions restent en pause (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsSettingsView</name>
    <message>
        <source>Select a connection or add a new one.</source>
        <translation>Sélectionnez une connexion ou ajoutez-en une nouvelle.</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <source>Add connection</source>
        <translation>Ajouter une connexion</translation>
    </message>
    <message>
        <source>Delete connection</source>
        <translation>Supprimer la connexion</translation>
    </message>
    <message>
        <source> Copy</source>
        <translation> (copie)</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>Delete this connection?</source>
        <translation>Supprimer cette connexion ?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
</context>
<context>
    <name>ondrix::DiskSpaceGuard</name>
    <message>
        <source>Low disk space: %1 GB free on %2, below the %3 GB minimum.</source>
        <translation>Espace disque faible : %1 Go libres sur %2, sous le minimum de %3 Go.</translation>
    </message>
    <message>
        <source>Paused until there is room again (their uploads do not free space): %1</source>
        <translation>En pause jusqu&apos;à ce que de l&apos;espace se libère (leurs envois n&apos;en libèrent pas) : %1</translation>
    </message>
    <message>
        <source>Disk space is back: %1 GB free on %2; connections paused for it resume.</source>
        <translation>L&apos;espace disque est revenu : %1 Go libres sur %2 ; les connexions mises en pause pour cette raison reprennent.</translation>
    </message>
    <message>
        <source>Ondrix: Low disk space</source>
        <translation>Ondrix : espace disque faible</translation>
    </message>
    <message>
        <source>Ondrix: Disk space is back</source>
        <translation>Ondrix : l&apos;espace disque est revenu</translation>
    </message>
</context>
<context>
    <name>ondrix::ExtensionFilterView</name>
    <message>
        <source>File Types</source>
        <translation>Types de fichiers</translation>
    </message>
    <message>
        <source>Extension preset</source>
        <translation>Préréglage d&apos;extensions</translation>
    </message>
    <message>
        <source>Reset to preset</source>
        <comment>ext.reset.button</comment>
        <translation>Revenir au préréglage</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <translation>%1 (exclues)</translation>
    </message>
    <message>
        <source>Ticked extensions are never uploaded.</source>
        <translation>Les extensions cochées ne sont jamais envoyées.</translation>
    </message>
    <message>
        <source>Only upload</source>
        <translation>Envoyer uniquement</translation>
    </message>
    <message>
        <source>every extension</source>
        <translation>toutes les extensions</translation>
    </message>
    <message>
        <source>Never upload</source>
        <translation>Ne jamais envoyer</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>rien d&apos;exclu</translation>
    </message>
    <message>
        <source>Upload them</source>
        <comment>ext.unspecified.download</comment>
        <translation>Les envoyer</translation>
    </message>
    <message>
        <source>Ignore them</source>
        <comment>ext.unspecified.ignore</comment>
        <translation>Les ignorer</translation>
    </message>
    <message>
        <source>Files with unlisted extensions:</source>
        <comment>ext.unspecified.label</comment>
        <translation>Fichiers aux extensions non listées :</translation>
    </message>
</context>
<context>
    <name>ondrix::GeneralSettingsTab</name>
    <message>
        <source>Scroll the general settings</source>
        <translation>Faire défiler les paramètres généraux</translation>
    </message>
    <message>
        <source>Scroll the general settings sideways</source>
        <translation>Faire défiler les paramètres généraux horizontalement</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Launch Ondrix when I log in</source>
        <translation>Lancer Ondrix à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Always show in the taskbar</source>
        <translation>Toujours afficher dans la barre des tâches</translation>
    </message>
    <message>
        <source>When disabled, Ondrix only appears in the taskbar while one of its windows is open.</source>
        <translation>Si désactivé, Ondrix n&apos;apparaît dans la barre des tâches que lorsqu&apos;une de ses fenêtres est ouverte.</translation>
    </message>
    <message>
        <source>Sleep Behavior</source>
        <translation>Mise en veille</translation>
    </message>
    <message>
        <source>Prevent sleep during uploads</source>
        <translation>Empêcher la mise en veille pendant les envois</translation>
    </message>
    <message>
        <source>Sleep is only prevented while files are actively uploading. Normal sleep resumes when idle.</source>
        <translation>La mise en veille n&apos;est empêchée que pendant l&apos;envoi effectif de fichiers. La veille normale reprend au repos.</translation>
    </message>
    <message>
        <source>Pause and resume on wake</source>
        <translation>Pause et reprise au réveil</translation>
    </message>
    <message>
        <source>If the computer sleeps anyway (battery, lid close), transfers will pause and resume automatically on wake.</source>
        <translation>Si l&apos;ordinateur se met quand même en veille (batterie, écran rabattu), les transferts se mettent en pause et reprennent automatiquement au réveil.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Pause when on mobile hotspot</source>
        <translation>Pause sur un point d&apos;accès mobile</translation>
    </message>
    <message>
        <source>Pause when internet is unavailable</source>
        <translation>Pause quand Internet est indisponible</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>Espace disque</translation>
    </message>
    <message>
        <source>Warn and pause if disk space is low</source>
        <translation>Avertir et mettre en pause si l&apos;espace disque est faible</translation>
    </message>
    <message>
        <source>Minimum free space</source>
        <translation>Espace libre minimal</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Color theme</source>
        <translation>Thème de couleur</translation>
    </message>
    <message>
        <source>App color</source>
        <translation>Couleur de l&apos;app</translation>
    </message>
    <message>
        <source>System color</source>
        <translation>Couleur du système</translation>
    </message>
    <message>
        <source>App color uses Ondrix&apos;s signature purple for selections, switches and links in its windows, so they are easy to recognise. System color follows your desktop&apos;s accent color.</source>
        <translation>La couleur de l&apos;app utilise le violet caractéristique d&apos;Ondrix pour les sélections, interrupteurs et liens de ses fenêtres, afin qu&apos;ils soient faciles à reconnaître. La couleur du système suit la couleur d&apos;accentuation de votre bureau.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Restart Ondrix to apply the language change.</source>
        <translation>Redémarrez Ondrix pour appliquer le changement de langue.</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Surveillance</translation>
    </message>
    <message>
        <source>Metrics file</source>
        <translation>Fichier de métriques</translation>
    </message>
    <message>
        <source>Ondrix keeps its counters in this file in Prometheus text format, rewritten every 10 seconds. Leave it empty to write none.</source>
        <translation>Ondrix écrit ses compteurs dans ce fichier au format texte de Prometheus, toutes les 10 secondes. Laissez vide pour n&apos;en écrire aucun.</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryListModel</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryView</name>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>No upload history.</source>
        <translation>Aucun historique d&apos;envoi.</translation>
    </message>
    <message>
        <source>Upload History</source>
        <translation>Historique des envois</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher…</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Rechercher dans l&apos;historique</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Clear the whole history</source>
        <translation>Effacer tout l&apos;historique</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Envois</translation>
    </message>
</context>
<context>
    <name>ondrix::InlineStepper</name>
    <message>
        <source>Decrease %1</source>
        <translation>Diminuer %1</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>Augmenter %1</translation>
    </message>
</context>
<context>
    <name>ondrix::InotifyFileEventSource</name>
    <message>
        <source>Ondrix cannot watch %1 for new files: the system&apos;s limit of inotify instances per user (fs.inotify.max_user_instances = %2) is reached. New files are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_instances=1024 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Ondrix ne peut pas surveiller %1 pour de nouveaux fichiers : la limite système d&apos;instances inotify par utilisateur (fs.inotify.max_user_instances = %2) est atteinte. Les nouveaux fichiers ne sont trouvés que par l&apos;analyse périodique du dossier. Pour relever la limite, exécutez : sudo sysctl fs.inotify.max_user_instances=1024 (pour la conserver, ajoutez ce réglage dans un fichier de /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Some file changes below %1 were missed because the system&apos;s queue of file events overflowed (fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Des modifications de fichiers sous %1 ont été manquées, car la file d&apos;événements de fichiers du système a débordé (fs.inotify.max_queued_events = %2) ; l&apos;analyse périodique du dossier les rattrape. Si cela arrive souvent, relevez la limite : sudo sysctl fs.inotify.max_queued_events=65536 (pour la conserver, ajoutez ce réglage dans un fichier de /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Not every folder below %1 can be watched: the limit of %2 inotify watches per user (fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Tous les dossiers sous %1 ne peuvent pas être surveillés : la limite de %2 surveillances inotify par utilisateur (fs.inotify.max_user_watches) est atteinte. Les nouveaux fichiers des dossiers non surveillés ne sont trouvés que par l&apos;analyse périodique du dossier. Pour relever la limite, exécutez : sudo sysctl fs.inotify.max_user_watches=524288 (pour la conserver, ajoutez ce réglage dans un fichier de /etc/sysctl.d/).</translation>
    </message>
</context>
<context>
    <name>ondrix::IptcPresetsSection</name>
    <message>
        <source>IPTC presets (*.ondrix-keywords *.json)</source>
        <translation>Préréglages IPTC (*.ondrix-keywords *.json)</translation>
    </message>
    <message>
        <source>IPTC Presets</source>
        <translation>Préréglages IPTC</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import IPTC presets</source>
        <translation>Importer des préréglages IPTC</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export IPTC presets</source>
        <translation>Exporter les préréglages IPTC</translation>
    </message>
    <message>
        <source>Enable IPTC presets</source>
        <translation>Activer les préréglages IPTC</translation>
    </message>
    <message>
        <source>Active preset</source>
        <translation>Préréglage actif</translation>
    </message>
    <message>
        <source>Each preset can contain multiple IPTC keywords separated by commas. Switch presets to quickly change which keywords are injected before uploading.</source>
        <translation>Chaque préréglage peut contenir plusieurs mots-clés IPTC séparés par des virgules. Changez de préréglage pour modifier rapidement les mots-clés ajoutés avant l&apos;envoi.</translation>
    </message>
    <message>
        <source>New preset</source>
        <translation>Nouveau préréglage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nom du préréglage</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Export IPTC Presets</source>
        <translation>Exporter les préréglages IPTC</translation>
    </message>
    <message>
        <source>The presets could not be written to %1: %2. Choose a folder you can write to.</source>
        <translation>Les préréglages n&apos;ont pas pu être écrits dans %1 : %2. Choisissez un dossier où vous pouvez écrire.</translation>
    </message>
    <message>
        <source>Import IPTC Presets</source>
        <translation>Importer des préréglages IPTC</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n&apos;a pas pu être lu : %2.</translation>
    </message>
    <message>
        <source>%1 is not an IPTC presets file, so nothing was imported. %2</source>
        <translation>%1 n&apos;est pas un fichier de préréglages IPTC, rien n&apos;a donc été importé. %2</translation>
    </message>
</context>
<context>
    <name>ondrix::LocalFolderSection</name>
    <message>
        <source>Local Folder</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose local folder</source>
        <translation>Choisir le dossier local</translation>
    </message>
    <message>
        <source>Monitor subfolders recursively</source>
        <translation>Surveiller les sous-dossiers récursivement</translation>
    </message>
    <message>
        <source>Select the folder to watch for new files</source>
        <translation>Choisissez le dossier à surveiller pour les nouveaux fichiers</translation>
    </message>
</context>
<context>
    <name>ondrix::LogView</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>No log entries yet.</source>
        <translation>Aucune entrée de journal pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Sync Log</source>
        <translation>Journal de synchronisation</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Effacer le journal</translation>
    </message>
    <message>
        <source>Copy the whole log</source>
        <translation>Copier tout le journal</translation>
    </message>
    <message>
        <source>Log entries</source>
        <translation>Entrées du journal</translation>
    </message>
</context>
<context>
    <name>ondrix::LogindPowerMonitor</name>
    <message>
        <source>Pausing uploads before the system sleeps</source>
        <translation>Mise en pause des envois avant la mise en veille du système</translation>
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
        <translation>Faire défiler l&apos;aperçu</translation>
    </message>
    <message>
        <source>Scroll the overview sideways</source>
        <translation>Faire défiler l&apos;aperçu horizontalement</translation>
    </message>
</context>
<context>
    <name>ondrix::MetricsFile</name>
    <message>
        <source>The metrics file %1 cannot be written: %2</source>
        <translation>Le fichier de métriques %1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>ondrix::NamePromptBar</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Ondrix : 1 fichier envoyé</translation>
    </message>
    <message>
        <source>...and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Ondrix: Upload failed</source>
        <translation>Ondrix : échec de l&apos;envoi</translation>
    </message>
    <message numerus="yes">
        <source>Ondrix: %n files uploaded</source>
        <translation>
            <numerusform>Ondrix : %n fichier envoyé</numerusform>
            <numerusform>Ondrix : %n fichiers envoyés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationsSettingsTab</name>
    <message>
        <source>Scroll the notification settings</source>
        <translation>Faire défiler les paramètres des notifications</translation>
    </message>
    <message>
        <source>Scroll the notification settings sideways</source>
        <translation>Faire défiler les paramètres des notifications horizontalement</translation>
    </message>
    <message>
        <source>Upload Notifications</source>
        <translation>Notifications d&apos;envoi</translation>
    </message>
    <message>
        <source>Notify when uploads complete</source>
        <translation>Notifier à la fin des envois</translation>
    </message>
    <message>
        <source>Group notifications (summary instead of file list)</source>
        <translation>Regrouper les notifications (résumé au lieu de la liste des fichiers)</translation>
    </message>
    <message>
        <source>Error Notifications</source>
        <translation>Notifications d&apos;erreur</translation>
    </message>
    <message>
        <source>Notify on connection errors</source>
        <translation>Notifier en cas d&apos;erreur de connexion</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Play sound on upload</source>
        <translation>Jouer un son à l&apos;envoi</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Preview the sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Schedule Notifications</source>
        <translation>Notifications de planification</translation>
    </message>
    <message>
        <source>Notify when connections pause/resume by schedule</source>
        <translation>Notifier quand des connexions se mettent en pause ou reprennent selon la planification</translation>
    </message>
    <message numerus="yes">
        <source>Only if %n or more files</source>
        <translation>
            <numerusform>Seulement à partir de %n fichier</numerusform>
            <numerusform>Seulement à partir de %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>After 1 failure</source>
        <translation>Après 1 échec</translation>
    </message>
    <message numerus="yes">
        <source>After %n consecutive failures</source>
        <translation>
            <numerusform>Après %n échec</numerusform>
            <numerusform>Après %n échecs consécutifs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::PauseReasons</name>
    <message>
        <source>by you</source>
        <translation>par vous</translation>
    </message>
    <message>
        <source>the computer sleeps</source>
        <translation>l’ordinateur est en veille</translation>
    </message>
    <message>
        <source>no network</source>
        <translation>aucun réseau</translation>
    </message>
    <message>
        <source>metered network</source>
        <translation>réseau limité</translation>
    </message>
    <message>
        <source>low disk space</source>
        <translation>espace disque faible</translation>
    </message>
    <message>
        <source>outside the scheduled hours</source>
        <translation>en dehors des heures prévues</translation>
    </message>
    <message>
        <source>Paused (%1)</source>
        <extracomment>The reasons are joined by commas, such as &quot;by you, no network&quot;.</extracomment>
        <translation>En pause (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverControls</name>
    <message>
        <source>Upload Now</source>
        <translation>Envoyer maintenant</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once</source>
        <translation>Réanalyser maintenant chaque connexion active et réessayer immédiatement les fichiers en échec</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Son activé</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverFooter</name>
    <message>
        <source>History...</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>Log...</source>
        <translation>Journal…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>À propos d&apos;Ondrix</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
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
        <translation>STATISTIQUES</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Last activity: </source>
        <translation>Dernière activité : </translation>
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
        <translation>Action après l&apos;envoi</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Move to archive folder</source>
        <translation>Déplacer vers un dossier d&apos;archive</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>Exécuter un script</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose archive folder or script</source>
        <translation>Choisir le dossier d&apos;archive ou le script</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Choisissez le dossier d&apos;archive</translation>
    </message>
    <message>
        <source>Choose the script to run</source>
        <translation>Choisissez le script à exécuter</translation>
    </message>
</context>
<context>
    <name>ondrix::RecentUploadsList</name>
    <message>
        <source>RECENT</source>
        <translation>RÉCENTS</translation>
    </message>
    <message>
        <source>No recent uploads</source>
        <translation>Aucun envoi récent</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteControlService</name>
    <message>
        <source>no session bus</source>
        <translation>aucun bus de session</translation>
    </message>
    <message>
        <source>another instance owns %1</source>
        <translation>une autre instance détient déjà %1</translation>
    </message>
    <message>
        <source>The running Ondrix has no windows (it runs headless); %1 does nothing.</source>
        <translation>L&apos;Ondrix en cours d&apos;exécution n&apos;a pas de fenêtre (il fonctionne sans interface) ; %1 n&apos;a aucun effet.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderPickerView</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select This Folder</source>
        <translation>Choisir ce dossier</translation>
    </message>
    <message>
        <source>Choose Remote Folder</source>
        <translation>Choisir le dossier distant</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>No subfolders</source>
        <translation>Aucun sous-dossier</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Ce dossier ne peut pas être affiché</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>The server lists a folder named “%1”, which cannot be opened safely.</source>
        <translation>Le serveur liste un dossier nommé « %1 », qui ne peut pas être ouvert en toute sécurité.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderSection</name>
    <message>
        <source>Remote Folder</source>
        <translation>Dossier distant</translation>
    </message>
    <message>
        <source>Remote path</source>
        <translation>Chemin distant</translation>
    </message>
    <message>
        <source>/uploads/photos</source>
        <translation>/envois/photos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Browse remote folders</source>
        <translation>Parcourir les dossiers distants</translation>
    </message>
    <message>
        <source>Preserve subfolder structure on server</source>
        <translation>Conserver l&apos;arborescence des sous-dossiers sur le serveur</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteItemModel</name>
    <message>
        <source>%1 — the server sent a name that cannot be used safely</source>
        <translation>%1 — le serveur a envoyé un nom qui ne peut pas être utilisé en toute sécurité</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source> (tag: %1)</source>
        <translation> (étiquette : %1)</translation>
    </message>
</context>
<context>
    <name>ondrix::RemotePathBar</name>
    <message>
        <source>Go to %1</source>
        <translation>Aller à %1</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSection</name>
    <message>
        <source>Schedule</source>
        <translation>Planification</translation>
    </message>
    <message>
        <source>Upload only during scheduled hours</source>
        <translation>Envoyer uniquement aux heures planifiées</translation>
    </message>
    <message>
        <source>One hour earlier: %1</source>
        <translation>Une heure plus tôt : %1</translation>
    </message>
    <message>
        <source>One hour later: %1</source>
        <translation>Une heure plus tard : %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>début</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSupervisor</name>
    <message>
        <source>Paused: outside its scheduled hours (%1)</source>
        <translation>En pause : en dehors des heures planifiées (%1)</translation>
    </message>
    <message>
        <source>Resumed: within its scheduled hours (%1)</source>
        <translation>Reprise : dans les heures planifiées (%1)</translation>
    </message>
    <message>
        <source>Ondrix: %1 paused</source>
        <translation>Ondrix : %1 en pause</translation>
    </message>
    <message>
        <source>Ondrix: %1 resumed</source>
        <translation>Ondrix : reprise de %1</translation>
    </message>
</context>
<context>
    <name>ondrix::SettingsView</name>
    <message>
        <source>Settings sections</source>
        <translation>Sections des paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
</context>
<context>
    <name>ondrix::StatsService</name>
    <message>
        <source>1 file (%1)</source>
        <translation>1 fichier (%1)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l&apos;instant</translation>
    </message>
    <message>
        <source>%1s ago</source>
        <translation>il y a %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message numerus="yes">
        <source>%n files (%1)</source>
        <translation>
            <numerusform>%n fichier (%1)</numerusform>
            <numerusform>%n fichiers (%1)</numerusform>
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
        <translation>Ondrix — en pause</translation>
    </message>
    <message>
        <source>Ondrix — uploading</source>
        <translation>Ondrix — envoi en cours</translation>
    </message>
    <message>
        <source>Ondrix — checking new files</source>
        <translation>Ondrix — vérification des nouveaux fichiers</translation>
    </message>
    <message>
        <source>Ondrix — error: %1</source>
        <translation>Ondrix — erreur : %1</translation>
    </message>
    <message>
        <source>Ondrix — watching folders</source>
        <translation>Ondrix — surveillance des dossiers</translation>
    </message>
</context>
<context>
    <name>ondrix::TagsSection</name>
    <message>
        <source>File Manager Tags</source>
        <translation>Étiquettes du gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Tag files by upload status</source>
        <translation>Étiqueter les fichiers selon l&apos;état de l&apos;envoi</translation>
    </message>
    <message>
        <source>Files in the watched folder will be tagged in the file manager:</source>
        <translation>Les fichiers du dossier surveillé seront étiquetés dans le gestionnaire de fichiers :</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>ondrix::TransferSection</name>
    <message>
        <source>Sync &amp;&amp; Transfer</source>
        <translation>Synchronisation &amp;&amp; transfert</translation>
    </message>
    <message>
        <source>Stability check</source>
        <translation>Contrôle de stabilité</translation>
    </message>
    <message>
        <source>Wait this long after the last file write before uploading.</source>
        <translation>Attendre ce délai après la dernière écriture d&apos;un fichier avant de l&apos;envoyer.</translation>
    </message>
    <message>
        <source>Simultaneous uploads</source>
        <translation>Envois simultanés</translation>
    </message>
    <message>
        <source>Delete local file after successful upload</source>
        <translation>Supprimer le fichier local après un envoi réussi</translation>
    </message>
    <message>
        <source>Conflict resolution</source>
        <translation>Résolution des conflits</translation>
    </message>
    <message>
        <source>Upload under a temporary name, then rename</source>
        <translation>Envoyer sous un nom temporaire, puis renommer</translation>
    </message>
    <message>
        <source>The file arrives as a hidden name in the target folder and gets its real name once complete, so nothing watching the server sees half a file.</source>
        <translation>Le fichier arrive sous un nom masqué dans le dossier cible et prend son vrai nom une fois complet : rien de ce qui surveille le serveur ne voit un fichier à moitié envoyé.</translation>
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
        <translation>la réponse ne contient aucune version</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Impossible de rechercher des mises à jour</translation>
    </message>
    <message>
        <source>%1. Check the internet connection and try again later.</source>
        <translation>%1. Vérifiez la connexion Internet et réessayez plus tard.</translation>
    </message>
    <message>
        <source>Download: %1</source>
        <translation>Téléchargement : %1</translation>
    </message>
    <message>
        <source>Ondrix %1 is available</source>
        <translation>Ondrix %1 est disponible</translation>
    </message>
    <message>
        <source>Ondrix is up to date</source>
        <translation>Ondrix est à jour</translation>
    </message>
    <message>
        <source>Version %1 is the newest.</source>
        <translation>La version %1 est la plus récente.</translation>
    </message>
    <message>
        <source>the answer is larger than a feed can be</source>
        <translation>la réponse est plus grande qu&apos;un flux ne peut l&apos;être</translation>
    </message>
</context>
</TS>
