<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutInfo</name>
    <message>
        <source>Ondrix %1 (build %2)</source>
        <translation>Ondrix %1 (compilación %2)</translation>
    </message>
</context>
<context>
    <name>BrowserTag</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
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
        <translation>En reposo</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Vigilando</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>%1 queued, %2 uploading</source>
        <translation>%1 en cola, %2 subiendo</translation>
    </message>
    <message>
        <source>last error: %1</source>
        <translation>último error: %1</translation>
    </message>
    <message>
        <source>No connections are set up.</source>
        <translation>No hay conexiones configuradas.</translation>
    </message>
</context>
<context>
    <name>ConnectionTester</name>
    <message>
        <source>✓ Connected successfully</source>
        <translation>✓ Conexión correcta</translation>
    </message>
</context>
<context>
    <name>ConnectionsCommand</name>
    <message>
        <source>Quit Ondrix first, or change the connections in its settings window.</source>
        <translation>Cierre primero Ondrix, o cambie las conexiones en su ventana de configuración.</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read: %1</source>
        <translation>No se puede leer la lista de conexiones guardada: %1</translation>
    </message>
    <message>
        <source>No connections.</source>
        <translation>No hay conexiones.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported, nothing changed: %2</source>
        <translation>%1 no se importó, no se cambió nada: %2</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read (%1); nothing changed.</source>
        <translation>No se puede leer la lista de conexiones guardada (%1); no se cambió nada.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n connections</source>
        <translation>
            <numerusform>%n conexión importada</numerusform>
            <numerusform>%n conexiones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n replaced).</source>
        <translation>
            <numerusform> (%n reemplazada).</numerusform>
            <numerusform> (%n reemplazadas).</numerusform>
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
        <translation>clave «%1»: %2</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>ningún host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a scheme; give the host name alone</source>
        <translation>«%1» incluye un esquema; indique solo el nombre del host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a path, credentials or spaces; give the host name alone</source>
        <translation>«%1» incluye una ruta, credenciales o espacios; indique solo el nombre del host</translation>
    </message>
    <message>
        <source>%1 is not a port (1 to 65535)</source>
        <translation>%1 no es un puerto (1 a 65535)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an executable file</source>
        <translation>«%1» no es un archivo ejecutable</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed by other users; make it writable by you only</source>
        <translation>«%1» puede ser modificado por otros usuarios; haga que solo usted pueda escribir en él</translation>
    </message>
    <message>
        <source>Passwords are not printed to a terminal. Write them to a file only you can read instead:
    ondrix connections export --with-passwords --output connections.json</source>
        <translation>Las contraseñas no se muestran en una terminal. Escríbalas en un archivo que solo usted pueda leer:
    ondrix connections export --with-passwords --output connections.json</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; cannot be read (%2); nothing was exported.</source>
        <translation>No se puede leer la contraseña de «%1» (%2); no se exportó nada.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>it is larger than a connection list can be (%1 bytes, at most %2)</source>
        <translation>es más grande de lo que puede ser una lista de conexiones (%1 bytes, como máximo %2)</translation>
    </message>
    <message>
        <source>connection %1, key &quot;%2&quot;: nested deeper than a connection list is</source>
        <translation>conexión %1, clave «%2»: anidada a más profundidad que una lista de conexiones</translation>
    </message>
    <message>
        <source>connection %1 (&quot;%2&quot;), %3</source>
        <translation>conexión %1 («%2»), %3</translation>
    </message>
    <message>
        <source>nothing after upload</source>
        <translation>nada después de subir</translation>
    </message>
    <message>
        <source>moves files to %1</source>
        <translation>mueve los archivos a %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>ejecuta %1</translation>
    </message>
    <message>
        <source>deletes local files</source>
        <translation>elimina los archivos locales</translation>
    </message>
    <message>
        <source>some connections delete local files or run a script; check the lines above and import again with --yes</source>
        <translation>algunas conexiones eliminan archivos locales o ejecutan un script; revise las líneas anteriores e importe de nuevo con --yes</translation>
    </message>
    <message>
        <source>The keyring did not take the passwords of %1 (%2); nothing changed.</source>
        <translation>El llavero no aceptó las contraseñas de %1 (%2); no cambió nada.</translation>
    </message>
</context>
<context>
    <name>CurlHandle</name>
    <message>
        <source> (active mode does not work with FTPS; use passive mode)</source>
        <translation> (el modo activo no funciona con FTPS; use el modo pasivo)</translation>
    </message>
    <message>
        <source>: the SSH handshake failed because the server offers no key exchange or host key type that %1 supports. The usual cause is a server with only an RSA host key: %1 cannot check its SHA-2 signatures. Give the server an Ed25519 or ECDSA host key (ssh-keygen -A on the server) and connect again.</source>
        <translation>: la negociación SSH falló porque el servidor no ofrece ningún intercambio de claves ni tipo de clave de host que %1 admita. La causa habitual es un servidor con solo una clave de host RSA: %1 no puede comprobar sus firmas SHA-2. Dé al servidor una clave de host Ed25519 o ECDSA (ssh-keygen -A en el servidor) y vuelva a conectar.</translation>
    </message>
    <message>
        <source>Failed to initialize libcurl</source>
        <translation>No se pudo inicializar libcurl</translation>
    </message>
</context>
<context>
    <name>CurlTransferClient</name>
    <message>
        <source>The remote path contains a line break or NUL character and was not sent: %1</source>
        <translation>La ruta remota contiene un salto de línea o un carácter NUL y no se envió: %1</translation>
    </message>
    <message>
        <source>The server&apos;s listing of this folder is larger than %1, so it is not shown; open a sub-folder, or tidy this folder on the server</source>
        <translation>El listado de esta carpeta que envía el servidor supera %1, por lo que no se muestra; abra una subcarpeta u ordene esta carpeta en el servidor</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix desktop module</source>
        <translation>%1 no es un módulo de escritorio de Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 pertenece a otra versión de Ondrix</translation>
    </message>
</context>
<context>
    <name>ExtensionCategory</name>
    <message>
        <source>Images</source>
        <comment>ext.cat.images</comment>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>ext.cat.video</comment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>ext.cat.audio</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <comment>ext.cat.documents</comment>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment>ext.cat.temp</comment>
        <translation>Archivos temporales</translation>
    </message>
</context>
<context>
    <name>FTPError</name>
    <message>
        <source>Connection failed: </source>
        <translation>Error de conexión: </translation>
    </message>
    <message>
        <source>Remote path not found: </source>
        <translation>Ruta remota no encontrada: </translation>
    </message>
    <message>
        <source>Cannot read file: </source>
        <translation>No se puede leer el archivo: </translation>
    </message>
    <message>
        <source>Cannot write to: </source>
        <translation>No se puede escribir en: </translation>
    </message>
    <message>
        <source>Transfer failed: </source>
        <translation>Error de transferencia: </translation>
    </message>
    <message>
        <source>curl error </source>
        <translation>error de curl </translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>FTPUploader</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source> (it is a symbolic link; links are not followed, only regular files inside the folder are uploaded)</source>
        <translation> (es un enlace simbólico; los enlaces no se siguen, solo se suben los archivos normales dentro de la carpeta)</translation>
    </message>
    <message>
        <source>The server does not tell the size of %1, so whether it holds the file cannot be checked</source>
        <translation>El servidor no indica el tamaño de %1, por lo que no se puede comprobar si tiene el archivo</translation>
    </message>
    <message>
        <source> (it is not inside the watched folder)</source>
        <translation> (no está dentro de la carpeta vigilada)</translation>
    </message>
    <message>
        <source>The server&apos;s reply was longer than %1 bytes and was cut off; the server does not answer as an FTP server should</source>
        <translation>La respuesta del servidor superaba los %1 bytes y se cortó; el servidor no responde como debería un servidor FTP</translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>The host name is not valid. Enter a name such as ftp.example.com or an IP address.</source>
        <translation>El nombre de host no es válido. Escriba un nombre como ftp.example.com o una dirección IP.</translation>
    </message>
    <message>
        <source>The host &quot;%1&quot; was not found. Check its spelling and your network connection.</source>
        <translation>No se encontró el host «%1». Compruebe cómo está escrito y su conexión de red.</translation>
    </message>
    <message>
        <source>Nothing accepted a connection at %1 on port %2. Check the host and the port (FTP and FTPS usually use 21, SFTP 22) and that the server is running.</source>
        <translation>Nada aceptó una conexión en %1, puerto %2. Compruebe el host y el puerto (FTP y FTPS suelen usar el 21, SFTP el 22) y que el servidor esté en marcha.</translation>
    </message>
    <message>
        <source>The server did not answer in time. Check the host and the port, and whether a firewall blocks the connection.</source>
        <translation>El servidor no respondió a tiempo. Compruebe el host y el puerto, y si un cortafuegos bloquea la conexión.</translation>
    </message>
    <message>
        <source>The server refused the login. Check the username and the password.</source>
        <translation>El servidor rechazó el inicio de sesión. Compruebe el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>The server refused to open the folder: it may not exist, or this user may not have access to it. Check the remote path and the user&apos;s permissions on the server.</source>
        <translation>El servidor se negó a abrir la carpeta: puede que no exista o que este usuario no tenga acceso a ella. Compruebe la ruta remota y los permisos del usuario en el servidor.</translation>
    </message>
    <message>
        <source>The folder or file does not exist on the server. Check the remote path.</source>
        <translation>La carpeta o el archivo no existe en el servidor. Compruebe la ruta remota.</translation>
    </message>
    <message>
        <source>The server&apos;s host key could not be checked. Connect again; if it persists, check the known hosts file.</source>
        <translation>No se pudo comprobar la clave de host del servidor. Vuelva a conectar; si persiste, revise el archivo de hosts conocidos.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted or is not made out to &quot;%1&quot;. Check the host name; for a private certificate authority, point SSL_CERT_FILE at its certificate.</source>
        <translation>El certificado del servidor no es de confianza o no está emitido para «%1». Compruebe el nombre de host; para una autoridad de certificación privada, apunte SSL_CERT_FILE a su certificado.</translation>
    </message>
    <message>
        <source>The secure connection could not be set up. Check that the server offers explicit FTPS (TLS) on this port.</source>
        <translation>No se pudo establecer la conexión segura. Compruebe que el servidor ofrece FTPS explícito (TLS) en este puerto.</translation>
    </message>
    <message>
        <source>The server does not offer TLS. Choose FTP if it has no encryption, or enable TLS on the server.</source>
        <translation>El servidor no ofrece TLS. Elija FTP si no tiene cifrado, o active TLS en el servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was not understood. Check that the protocol matches the server (SFTP for SSH servers, FTP or FTPS otherwise) and the port.</source>
        <translation>No se entendió la respuesta del servidor. Compruebe que el protocolo corresponde al servidor (SFTP para servidores SSH, FTP o FTPS en los demás casos) y el puerto.</translation>
    </message>
    <message>
        <source>The server could not open the data connection in active mode. Choose passive mode.</source>
        <translation>El servidor no pudo abrir la conexión de datos en modo activo. Elija el modo pasivo.</translation>
    </message>
    <message>
        <source>The connection was cut off. Try again; if it keeps happening, check the protocol, the port and the server&apos;s connection limits.</source>
        <translation>Se cortó la conexión. Vuelva a intentarlo; si sigue ocurriendo, compruebe el protocolo, el puerto y los límites de conexión del servidor.</translation>
    </message>
    <message>
        <source>The private key file %1 cannot be read. Choose the key file again in the connection&apos;s settings.</source>
        <translation>No se puede leer el archivo de clave privada %1. Vuelva a elegir el archivo de clave en la configuración de la conexión.</translation>
    </message>
    <message>
        <source>The server refused the login with the key %1. Check the username, and that the key&apos;s public part is in the server&apos;s authorized_keys file.</source>
        <translation>El servidor rechazó el inicio de sesión con la clave %1. Compruebe el nombre de usuario y que la parte pública de la clave esté en el archivo authorized_keys del servidor.</translation>
    </message>
    <message>
        <source>The connection ended before the whole file arrived. The file is sent again.</source>
        <translation>La conexión terminó antes de que llegara el archivo completo. El archivo se vuelve a enviar.</translation>
    </message>
    <message>
        <source>The server refused to store the file. Check that the user may write to the remote folder and that the server has free space.</source>
        <translation>El servidor se negó a guardar el archivo. Compruebe que el usuario puede escribir en la carpeta remota y que el servidor tiene espacio libre.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full. Free space on the server; the file is sent again.</source>
        <translation>El disco del servidor está lleno. Libere espacio en el servidor; el archivo se vuelve a enviar.</translation>
    </message>
    <message>
        <source>The SSH connection broke off. The file is sent again; if it keeps happening, check the network and the server&apos;s session and connection limits.</source>
        <translation>La conexión SSH se cortó. El archivo se envía de nuevo; si sigue ocurriendo, revise la red y los límites de sesiones y conexiones del servidor.</translation>
    </message>
    <message>
        <source>The connection was cut off. The file is sent again; if it keeps happening, check the network and the server&apos;s connection limits.</source>
        <translation>Se cortó la conexión. El archivo se vuelve a enviar; si sigue ocurriendo, compruebe la red y los límites de conexiones del servidor.</translation>
    </message>
</context>
<context>
    <name>FailureNotices</name>
    <message numerus="yes">
        <source>%1 (failed %n times in a row)</source>
        <translation>
            <numerusform>%1 (falló %n vez seguida)</numerusform>
            <numerusform>%1 (falló %n veces seguidas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPresets</name>
    <message>
        <source>All files (no filter)</source>
        <translation>Todos los archivos (sin filtro)</translation>
    </message>
    <message>
        <source>Downloads every file without filtering</source>
        <translation>Sube todos los archivos sin filtrar</translation>
    </message>
    <message>
        <source>All except temporaries (recommended)</source>
        <translation>Todo excepto temporales (recomendado)</translation>
    </message>
    <message>
        <source>Downloads everything, ignores temp/partial files</source>
        <translation>Sube todo, ignora archivos temporales o parciales</translation>
    </message>
    <message>
        <source>Photography</source>
        <translation>Fotografía</translation>
    </message>
    <message>
        <source>RAW, processed images and sidecar files</source>
        <translation>RAW, imágenes procesadas y archivos complementarios</translation>
    </message>
    <message>
        <source>E-commerce / Data</source>
        <translation>Comercio electrónico / Datos</translation>
    </message>
    <message>
        <source>CSV, Excel, XML, JSON and EDI files</source>
        <translation>Archivos CSV, Excel, XML, JSON y EDI</translation>
    </message>
    <message>
        <source>Audiovisual</source>
        <translation>Audiovisual</translation>
    </message>
    <message>
        <source>Video, audio, subtitles and editing formats</source>
        <translation>Vídeo, audio, subtítulos y formatos de edición</translation>
    </message>
    <message>
        <source>Health / Compliance</source>
        <translation>Salud / Cumplimiento</translation>
    </message>
    <message>
        <source>Medical, HL7, DICOM and encrypted files</source>
        <translation>Archivos médicos, HL7, DICOM y cifrados</translation>
    </message>
    <message>
        <source>Finance / Accounting</source>
        <translation>Finanzas / Contabilidad</translation>
    </message>
    <message>
        <source>Banking, invoicing and financial data</source>
        <translation>Datos bancarios, de facturación y financieros</translation>
    </message>
    <message>
        <source>Data / Analytics</source>
        <translation>Datos / Análisis</translation>
    </message>
    <message>
        <source>Datasets, compressed archives and query formats</source>
        <translation>Conjuntos de datos, archivos comprimidos y formatos de consulta</translation>
    </message>
    <message>
        <source>Research / Science</source>
        <translation>Investigación / Ciencia</translation>
    </message>
    <message>
        <source>Scientific data, genomics and simulation files</source>
        <translation>Datos científicos, genómica y archivos de simulación</translation>
    </message>
    <message>
        <source>Agency / Creative</source>
        <translation>Agencia / Creatividad</translation>
    </message>
    <message>
        <source>Design, photography and creative assets</source>
        <translation>Diseño, fotografía y recursos creativos</translation>
    </message>
    <message>
        <source>IT / Integrations</source>
        <translation>TI / Integraciones</translation>
    </message>
    <message>
        <source>Config, logs, backups and data exchange</source>
        <translation>Configuración, registros, copias de seguridad e intercambio de datos</translation>
    </message>
    <message>
        <source>Print / Graphics</source>
        <translation>Impresión / Gráficos</translation>
    </message>
    <message>
        <source>Print-ready, prepress and design files</source>
        <translation>Archivos listos para imprimir, de preimpresión y de diseño</translation>
    </message>
    <message>
        <source>Photos only</source>
        <translation>Solo fotos</translation>
    </message>
    <message>
        <source>RAW + processed image formats</source>
        <translation>Formatos RAW e imágenes procesadas</translation>
    </message>
    <message>
        <source>Video only</source>
        <translation>Solo vídeo</translation>
    </message>
    <message>
        <source>Common video and cinema formats</source>
        <translation>Formatos de vídeo y cine habituales</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Define your own extensions</source>
        <translation>Defina sus propias extensiones</translation>
    </message>
</context>
<context>
    <name>FolderDeliveries</name>
    <message>
        <source>Its after-upload action is left out for the files it shares with %1, which comes first in the list of connections and acts on them; a file is acted on once, after every connection has it</source>
        <translation>Su acción tras la subida se omite para los archivos que comparte con %1, que va primero en la lista de conexiones y se ocupa de ellos; un archivo se trata una sola vez, cuando todas las conexiones lo tienen</translation>
    </message>
    <message>
        <source>Kept until %1 has it too: </source>
        <translation>Se conserva hasta que %1 también lo tenga: </translation>
    </message>
    <message>
        <source>Keeps its record of uploaded files together with %1 (same server address, local folder and remote folder): after a restart, a file either of them sent counts as sent by both, so files both take are neither deleted, moved nor handed to a script after their upload. Give one of them another remote folder.</source>
        <translation>Comparte su registro de archivos subidos con %1 (misma dirección de servidor, carpeta local y carpeta remota): tras un reinicio, un archivo que haya enviado cualquiera de las dos cuenta como enviado por ambas, así que los archivos que toman las dos no se eliminan, ni se mueven, ni se entregan a un script tras subirlos. Asigne a una de ellas otra carpeta remota.</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>Not selected</source>
        <translation>Sin seleccionar</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <source>size verified</source>
        <translation>tamaño verificado</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <extracomment>%1 is a checksum algorithm, e.g. SHA-256</extracomment>
        <translation>%1 verificado</translation>
    </message>
</context>
<context>
    <name>IPTCMetadataService</name>
    <message>
        <source>Keywords cannot be written into images, so images are uploaded without them: %1. Reinstall Ondrix to restore its keyword module.</source>
        <translation>No se pueden escribir palabras clave en las imágenes, así que las imágenes se suben sin ellas: %1. Reinstale Ondrix para recuperar su módulo de palabras clave.</translation>
    </message>
    <message>
        <source>%1 is larger than 2 GiB, so it goes up without the connection&apos;s keywords</source>
        <translation>%1 supera los 2 GiB, así que se sube sin las palabras clave de la conexión</translation>
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
        <translation>El archivo no es JSON válido (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>The file does not hold a list of presets.</source>
        <translation>El archivo no contiene una lista de preajustes.</translation>
    </message>
    <message>
        <source>Preset %1 of the file is not an object with the text fields &quot;id&quot;, &quot;name&quot; and &quot;keyword&quot;.</source>
        <translation>El preajuste %1 del archivo no es un objeto con los campos de texto &quot;id&quot;, &quot;name&quot; y &quot;keyword&quot;.</translation>
    </message>
</context>
<context>
    <name>KeywordModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix keyword module</source>
        <translation>%1 no es un módulo de palabras clave de Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 pertenece a otra versión de Ondrix</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not set Ondrix to start at login: %1</source>
        <translation>No se pudo configurar Ondrix para que se inicie al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Could not stop Ondrix from starting at login: %1</source>
        <translation>No se pudo impedir que Ondrix se inicie al iniciar sesión: %1</translation>
    </message>
</context>
<context>
    <name>LogLevelStyle</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MenuBarPresentation</name>
    <message>
        <source>No network</source>
        <translation>Sin red</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>No hay conexiones</translation>
    </message>
    <message>
        <source>1 active connection</source>
        <translation>1 conexión activa</translation>
    </message>
    <message>
        <source>Paused — mobile hotspot detected</source>
        <translation>En pausa — punto de acceso móvil detectado</translation>
    </message>
    <message>
        <source>Paused — no internet connection</source>
        <translation>En pausa — sin conexión a Internet</translation>
    </message>
    <message>
        <source>Preventing sleep — uploading</source>
        <translation>Impidiendo la suspensión — subiendo</translation>
    </message>
    <message>
        <source>Sleep prevention enabled</source>
        <translation>Prevención de suspensión activada</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectada</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>Sin preajuste</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1d</source>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>%1h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>%1 GB libres</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Hotspot</source>
        <translation>Punto de acceso</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No network connection at all</extracomment>
        <translation>Sin red</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network state before it is first known</extracomment>
        <translation>Desconocida</translation>
    </message>
    <message numerus="yes">
        <source>%n active connections</source>
        <translation>
            <numerusform>%n conexión activa</numerusform>
            <numerusform>%n conexiones activas</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading 1 file</source>
        <translation>Subiendo 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n files</source>
        <translation>
            <numerusform>Subiendo %n archivo</numerusform>
            <numerusform>Subiendo %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n more uploading...</source>
        <translation>
            <numerusform>+%n más subiéndose…</numerusform>
            <numerusform>+%n más subiéndose…</numerusform>
        </translation>
    </message>
    <message>
        <source>1 connection has an error</source>
        <translation>1 conexión tiene un error</translation>
    </message>
    <message numerus="yes">
        <source>%n connections have errors</source>
        <translation>
            <numerusform>%n conexión tiene un error</numerusform>
            <numerusform>%n conexiones tienen errores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PostUploadActions</name>
    <message>
        <source>%1 stays in place, not moved to the archive: %2</source>
        <translation>%1 se queda donde está, no se mueve al archivo: %2</translation>
    </message>
    <message>
        <source>the archive folder %1 does not exist</source>
        <translation>la carpeta de archivo %1 no existe</translation>
    </message>
    <message>
        <source>the archive folder %1 is not writable (%2)</source>
        <translation>no se puede escribir en la carpeta de archivo %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>%1 is damaged and could not be moved aside</source>
        <translation>%1 está dañado y no se pudo apartar</translation>
    </message>
</context>
<context>
    <name>PushConnection</name>
    <message>
        <source>Passive (recommended)</source>
        <translation>Pasivo (recomendado)</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Rename (add suffix)</source>
        <translation>Renombrar (añadir sufijo)</translation>
    </message>
    <message>
        <source>Skip (keep existing)</source>
        <translation>Omitir (conservar el existente)</translation>
    </message>
    <message>
        <source>New Connection</source>
        <translation>Nueva conexión</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>una cadena</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>an array of numbers</source>
        <translation>una matriz de números</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the unknown value &quot;%2&quot;</source>
        <translation>«%1» tiene el valor desconocido «%2»</translation>
    </message>
    <message>
        <source>a UUID string</source>
        <translation>una cadena UUID</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>falta la clave «%1»</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>«%1» debe ser %2</translation>
    </message>
    <message>
        <source>the connection list is not a JSON array</source>
        <translation>la lista de conexiones no es una matriz JSON</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>connection %1: %2</source>
        <translation>conexión %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>Not uploaded: FTP cannot carry a name with a tab, a line break or another control character: %1. Rename the file, or connect over SFTP, which carries such names.</source>
        <translation>No subido: FTP no puede transmitir un nombre con un tabulador, un salto de línea u otro carácter de control: %1. Renombre el archivo o conecte por SFTP, que sí admite esos nombres.</translation>
    </message>
</context>
<context>
    <name>RemoteControlClient</name>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>no running instance on the session bus</source>
        <translation>no hay ninguna instancia en ejecución en el bus de sesión</translation>
    </message>
</context>
<context>
    <name>RemoteDelivery</name>
    <message>
        <source>%1 and %2 numbered copies of it exist on the server</source>
        <translation>%1 y %2 copias numeradas suyas ya existen en el servidor</translation>
    </message>
    <message>
        <source>has no file</source>
        <translation>no tiene el archivo</translation>
    </message>
    <message numerus="yes">
        <source>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</source>
        <translation>
            <numerusform>El servidor informó de que todo fue bien, pero %1 cuando se envió %2 byte (%3); se conserva el archivo local</numerusform>
            <numerusform>El servidor informó de que todo fue bien, pero %1 cuando se enviaron %2 bytes (%3); se conserva el archivo local</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %1 bytes</source>
        <translation>
            <numerusform>contiene %1 byte</numerusform>
            <numerusform>contiene %1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the server does not offer to resume uploads (REST STREAM)</source>
        <translation>el servidor no permite reanudar subidas (REST STREAM)</translation>
    </message>
    <message>
        <source>The server holds other bytes than were sent (%1): its %2 is %3, the file sent has %4; the local file is kept</source>
        <translation>El servidor tiene otros bytes distintos de los enviados (%1): su %2 es %3, el archivo enviado tiene %4; se conserva el archivo local</translation>
    </message>
</context>
<context>
    <name>RemoteNames</name>
    <message>
        <source>A name cannot contain “/” or line breaks, and cannot be “.” or “..”.</source>
        <translation>Un nombre no puede contener «/» ni saltos de línea, y no puede ser «.» ni «..».</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 carpeta</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>Empty folder</source>
        <translation>Carpeta vacía</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of a remote file, e.g. &quot;JPG File&quot;</extracomment>
        <translation>Archivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SshKnownHosts</name>
    <message>
        <source>The server&apos;s host key changed: %1 no longer presents the key trusted in %2. The server may have been reinstalled, or someone may be intercepting the connection. If you expect the change, remove the line for %1 from that file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) and connect again.</source>
        <translation>La clave de host del servidor ha cambiado: %1 ya no presenta la clave de confianza guardada en %2. Puede que el servidor se haya reinstalado, o que alguien esté interceptando la conexión. Si espera el cambio, quite la línea de %1 de ese archivo (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) y vuelva a conectar.</translation>
    </message>
    <message>
        <source>Trusted the SSH host key of %1 on first use: %2 %3. If this is not the server&apos;s key, remove its line from %4.</source>
        <translation>Se confió en la clave de host SSH de %1 en el primer uso: %2 %3. Si no es la clave del servidor, elimine su línea de %4.</translation>
    </message>
    <message>
        <source>The file of trusted SSH host keys %1 cannot be read or written, so no server key can be checked; make it readable and writable by you (or remove it) and connect again.</source>
        <translation>El archivo de claves de host SSH de confianza %1 no se puede leer ni escribir, así que no se puede comprobar ninguna clave de servidor; hágalo legible y escribible para usted (o elimínelo) y vuelva a conectar.</translation>
    </message>
</context>
<context>
    <name>StoredConnectionList</name>
    <message>
        <source>it holds a dictionary of numbers, not data</source>
        <translation>contiene un diccionario de números, no datos</translation>
    </message>
    <message>
        <source>it holds a list of texts, not data</source>
        <translation>contiene una lista de textos, no datos</translation>
    </message>
    <message>
        <source>it holds a text or a number, not data</source>
        <translation>contiene un texto o un número, no datos</translation>
    </message>
    <message>
        <source>The connection list stored under &quot;%1&quot; cannot be read (%2), so no connections were loaded. A copy of it is kept under &quot;%3&quot; in %4; fix it there, or add the connections again.</source>
        <translation>No se puede leer la lista de conexiones guardada en «%1» (%2), así que no se cargó ninguna conexión. Se guarda una copia en «%3» en %4; corríjala allí o vuelva a añadir las conexiones.</translation>
    </message>
</context>
<context>
    <name>UploadTask</name>
    <message>
        <source> (the server refused to make or open the folder %1)</source>
        <translation> (el servidor se negó a crear o abrir la carpeta %1)</translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ondrix is running (process %1).</source>
        <translation>Ondrix se está ejecutando (proceso %1).</translation>
    </message>
    <message>
        <source>Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the settings window or in the preferences store (see the README).</source>
        <translation>Mantiene carpetas locales subidas a servidores FTP, FTPS y SFTP. Las conexiones se configuran en la ventana de configuración o en el almacén de preferencias (vea el README).</translation>
    </message>
    <message>
        <source>Run without a tray icon or windows.</source>
        <translation>Ejecutar sin icono en la bandeja ni ventanas.</translation>
    </message>
    <message>
        <source>Ondrix is already running for this user (process %1). Quit it first, or remove %2 if no Ondrix is running.</source>
        <translation>Ondrix ya se está ejecutando para este usuario (proceso %1). Ciérrelo primero, o elimine %2 si no hay ningún Ondrix en marcha.</translation>
    </message>
    <message>
        <source>Stopping at once.</source>
        <translation>Deteniendo de inmediato.</translation>
    </message>
    <message>
        <source>Stopping: waiting for running uploads to finish (signal again to quit at once).</source>
        <translation>Deteniendo: esperando a que terminen las subidas en curso (otra señal cierra de inmediato).</translation>
    </message>
    <message>
        <source>No connections are set up, so nothing is uploaded. The README (section &quot;The preferences database&quot;) explains how to add one; `ondrix connections import FILE.json` adds them from a file.</source>
        <translation>No hay conexiones configuradas, así que no se sube nada. El README (sección «The preferences database») explica cómo añadir una; `ondrix connections import FILE.json` las añade desde un archivo.</translation>
    </message>
    <message>
        <source>Connections loaded: %1 (%2 enabled).</source>
        <translation>Conexiones cargadas: %1 (%2 activadas).</translation>
    </message>
    <message>
        <source>Bring the running Ondrix forward (its popover or window).</source>
        <translation>Traer al frente el Ondrix en ejecución (su panel o su ventana).</translation>
    </message>
    <message>
        <source>Cannot reach a running Ondrix: %1</source>
        <translation>No se puede contactar con un Ondrix en ejecución: %1</translation>
    </message>
    <message>
        <source>Remote control is not available: %1</source>
        <translation>El control remoto no está disponible: %1</translation>
    </message>
    <message>
        <source>Pause every connection of the running Ondrix.</source>
        <translation>Pausar todas las conexiones del Ondrix en ejecución.</translation>
    </message>
    <message>
        <source>Resume every connection of the running Ondrix.</source>
        <translation>Reanudar todas las conexiones del Ondrix en ejecución.</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once.</source>
        <translation>Volver a examinar ahora cada conexión activa y reintentar de inmediato los archivos fallidos.</translation>
    </message>
    <message>
        <source>Print one line per connection: name, state, files queued and uploading, last error.</source>
        <translation>Mostrar una línea por conexión: nombre, estado, archivos en cola y subiéndose, último error.</translation>
    </message>
    <message>
        <source>The desktop interface cannot be loaded, so Ondrix runs without a tray icon or windows: %1</source>
        <translation>No se puede cargar la interfaz de escritorio, así que Ondrix se ejecuta sin icono en la bandeja ni ventanas: %1</translation>
    </message>
    <message>
        <source>With --status: print the state as one JSON document: per connection its state, pause reasons, counts, last success and last error; the version and uptime.</source>
        <translation>Con --status: mostrar el estado como un único documento JSON: por conexión su estado, motivos de pausa, recuentos, último éxito y último error; la versión y el tiempo en marcha.</translation>
    </message>
    <message>
        <source>Keep Prometheus metrics in &lt;file&gt; (for node_exporter&apos;s textfile collector), written every 10 seconds and at stop.</source>
        <translation>Mantener las métricas de Prometheus en &lt;file&gt; (para el recolector textfile de node_exporter), escritas cada 10 segundos y al detenerse.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json va con --status.</translation>
    </message>
</context>
<context>
    <name>ondrix::AboutView</name>
    <message>
        <source>Ondrix icon</source>
        <translation>Icono de Ondrix</translation>
    </message>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Condiciones de servicio</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
</context>
<context>
    <name>ondrix::ActivityList</name>
    <message>
        <source>ACTIVITY</source>
        <translation>ACTIVIDAD</translation>
    </message>
    <message>
        <source>Monitoring — no transfers in progress</source>
        <translation>Vigilando — no hay transferencias en curso</translation>
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
        <translation>Abrir Ondrix</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Acerca de Ondrix</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Ondrix Website</source>
        <translation>Sitio web de Ondrix</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contactar con soporte</translation>
    </message>
    <message>
        <source>Quit Ondrix</source>
        <translation>Salir de Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Settings</source>
        <translation>Configuración de Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Log</source>
        <translation>Registro de Ondrix</translation>
    </message>
    <message>
        <source>Ondrix History</source>
        <translation>Historial de Ondrix</translation>
    </message>
    <message>
        <source>Hide Ondrix</source>
        <translation>Ocultar Ondrix</translation>
    </message>
</context>
<context>
    <name>ondrix::Application</name>
    <message>
        <source>Settings cannot be saved in this run, the preferences file was left untouched: %1</source>
        <translation>La configuración no se puede guardar en esta ejecución; el archivo de preferencias no se ha tocado: %1</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserFolderView</name>
    <message>
        <source>Go back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Carpeta superior</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Contenido de la carpeta</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Rename selected item</source>
        <translation>Renombrar el elemento seleccionado</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Eliminar los elementos seleccionados</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>No se puede mostrar esta carpeta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>No se puede listar %1: %2</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Quitar etiqueta</translation>
    </message>
    <message>
        <source>Cannot Open</source>
        <translation>No se puede abrir</translation>
    </message>
    <message>
        <source>Enter a name for the new folder at </source>
        <translation>Escriba un nombre para la nueva carpeta en </translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nombre de la carpeta</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Cannot Create Folder</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Could not create the folder “%1”: %2</source>
        <translation>No se pudo crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>No se puede renombrar</translation>
    </message>
    <message>
        <source>Enter a new name for &apos;%1&apos;</source>
        <translation>Escriba un nombre nuevo para «%1»</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Could not rename “%1”: %2</source>
        <translation>No se pudo renombrar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot Delete</source>
        <translation>No se puede eliminar</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Esto no se puede deshacer.</translation>
    </message>
    <message>
        <source>Could not delete “%1”: %2</source>
        <translation>No se pudo eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>A folder can only be deleted when it is empty.</source>
        <translation>Una carpeta solo se puede eliminar cuando está vacía.</translation>
    </message>
    <message>
        <source>Cannot Tag</source>
        <translation>No se puede etiquetar</translation>
    </message>
    <message>
        <source>The server lists an entry named “%1”. Its name contains a line break, a NUL character or a “/”, or is “.” or “..”, so a command on it could act on another entry. Ondrix leaves it alone; rename or remove it with another program on the server.</source>
        <translation>El servidor muestra una entrada llamada «%1». Su nombre contiene un salto de línea, un carácter NUL o una «/», o es «.» o «..», por lo que una orden sobre ella podría actuar sobre otra entrada. Ondrix no la toca; renómbrela o elimínela con otro programa en el servidor.</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items</source>
        <translation>
            <numerusform>Eliminar %n elemento</numerusform>
            <numerusform>Eliminar %n elementos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items?</source>
        <translation>
            <numerusform>¿Eliminar %n elemento?</numerusform>
            <numerusform>¿Eliminar %n elementos?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserStatePage</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserView</name>
    <message>
        <source>Connections</source>
        <translation>Conexiones</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>No hay conexiones</translation>
    </message>
    <message>
        <source>Add a connection in the Connections tab first.</source>
        <translation>Añada primero una conexión en la pestaña Conexiones.</translation>
    </message>
    <message>
        <source>Select a connection</source>
        <translation>Seleccione una conexión</translation>
    </message>
    <message>
        <source>Choose a connection from the sidebar.</source>
        <translation>Elija una conexión en la barra lateral.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEditView</name>
    <message>
        <source>Scroll the connection settings</source>
        <translation>Desplazar la configuración de la conexión</translation>
    </message>
    <message>
        <source>Scroll the connection settings sideways</source>
        <translation>Desplazar la configuración de la conexión en horizontal</translation>
    </message>
    <message>
        <source>This connection is locked. Click the lock to edit.</source>
        <translation>Esta conexión está bloqueada. Pulse el candado para editarla.</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEngine</name>
    <message>
        <source>No local folder configured</source>
        <translation>No hay carpeta local configurada</translation>
    </message>
    <message>
        <source>Local folder not found: </source>
        <translation>Carpeta local no encontrada: </translation>
    </message>
    <message>
        <source>Watching </source>
        <translation>Vigilando </translation>
    </message>
    <message>
        <source>Stability check (%1s): </source>
        <translation>Comprobación de estabilidad (%1 s): </translation>
    </message>
    <message>
        <source>Skipped (already uploaded): </source>
        <translation>Omitido (ya subido): </translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation>En cola: </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Changed during the upload, kept to go up again: </source>
        <translation>Cambió durante la subida, se conserva para volver a subirlo: </translation>
    </message>
    <message>
        <source>Still being written, offered again later: </source>
        <translation>Todavía se está escribiendo, se volverá a ofrecer más tarde: </translation>
    </message>
    <message>
        <source>Upload cut short by the stop; it goes up at the next start: </source>
        <translation>Subida interrumpida por la detención; se subirá en el próximo inicio: </translation>
    </message>
    <message>
        <source>Stopping: uploads still running after %1 s are cut short; they go up again at the next start</source>
        <translation>Deteniendo: las subidas que sigan en curso tras %1 s se interrumpen; se volverán a subir en el próximo inicio</translation>
    </message>
    <message>
        <source>Skipped (exists on server): </source>
        <translation>Omitido (existe en el servidor): </translation>
    </message>
    <message>
        <source>Ondrix looks for it again every few seconds.</source>
        <translation>Ondrix la vuelve a buscar cada pocos segundos.</translation>
    </message>
    <message>
        <source>The local folder was deleted or moved away: </source>
        <translation>La carpeta local se ha eliminado o movido: </translation>
    </message>
    <message>
        <source>Still open for writing, kept until its writer is done: </source>
        <translation>Todavía abierto para escritura; se conserva hasta que el programa que lo escribe termine: </translation>
    </message>
    <message>
        <source>Resumed at %1 of %2: </source>
        <translation>Reanudado en %1 de %2: </translation>
    </message>
    <message>
        <source>Resuming was not possible, sent whole: </source>
        <translation>No se pudo reanudar; enviado completo: </translation>
    </message>
    <message>
        <source>The local folder %1 cannot be opened without following a symbolic link (%2); nothing in it is uploaded</source>
        <translation>La carpeta local %1 no se puede abrir sin seguir un enlace simbólico (%2); no se sube nada de su contenido</translation>
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
        <translation>Modo mover: los archivos locales se eliminan tras la subida.</translation>
    </message>
    <message>
        <source>Copy mode: local files are kept after upload.</source>
        <translation>Modo copiar: los archivos locales se conservan tras la subida.</translation>
    </message>
    <message>
        <source>The script receives the local file path as the first argument.</source>
        <translation>El script recibe la ruta del archivo local como primer argumento.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name or IP address.</source>
        <translation>Escriba el nombre de host o la dirección IP del servidor.</translation>
    </message>
    <message>
        <source>Enter the host name alone, without &quot;ftp://&quot; or &quot;sftp://&quot;; choose the protocol above.</source>
        <translation>Escriba solo el nombre de host, sin «ftp://» ni «sftp://»; elija el protocolo arriba.</translation>
    </message>
    <message>
        <source>A host name cannot contain spaces or &quot;/&quot;. Put the folder under Remote Folder.</source>
        <translation>Un nombre de host no puede contener espacios ni «/». Ponga la carpeta en Carpeta remota.</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535 (FTP and FTPS usually use 21, SFTP 22).</source>
        <translation>El puerto debe ser un número entero entre 1 y 65535 (FTP y FTPS suelen usar el 21, SFTP el 22).</translation>
    </message>
    <message>
        <source>This folder does not exist. Create it again or choose another folder.</source>
        <translation>Esta carpeta no existe. Vuelva a crearla o elija otra carpeta.</translation>
    </message>
    <message>
        <source>This is a file, not a folder. Choose a folder.</source>
        <translation>Es un archivo, no una carpeta. Elija una carpeta.</translation>
    </message>
    <message>
        <source>This folder cannot be read. Check its permissions (chmod u+rx) or choose another folder.</source>
        <translation>No se puede leer esta carpeta. Compruebe sus permisos (chmod u+rx) o elija otra carpeta.</translation>
    </message>
    <message>
        <source>The remote path cannot contain a line break. The last path without one is kept.</source>
        <translation>La ruta remota no puede contener saltos de línea. Se conserva la última ruta sin ellos.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>Required: </source>
        <translation>Obligatorio: </translation>
    </message>
    <message>
        <source>Port %1 is usually FTP; SFTP servers usually listen on %2.</source>
        <translation>El puerto %1 suele ser FTP; los servidores SFTP suelen escuchar en el %2.</translation>
    </message>
    <message>
        <source>Port %1 is usually SFTP; FTP and FTPS servers usually listen on %2.</source>
        <translation>El puerto %1 suele ser SFTP; los servidores FTP y FTPS suelen escuchar en el %2.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is deleted only once every connection that takes it has uploaded it.</source>
        <translation>También vigilada por %1: un archivo se elimina solo cuando todas las conexiones que lo toman lo han subido.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is moved to the archive only once every connection that takes it has uploaded it.</source>
        <translation>También vigilada por %1: un archivo se mueve al archivo solo cuando todas las conexiones que lo toman lo han subido.</translation>
    </message>
    <message>
        <source>Also watched by %1: the script runs for a file only once every connection that takes it has uploaded it.</source>
        <translation>También vigilada por %1: el script se ejecuta para un archivo solo cuando todas las conexiones que lo toman lo han subido.</translation>
    </message>
    <message>
        <source>Also watched by %1: deleting, archiving or a script set on any of them waits until every connection that takes the file has uploaded it.</source>
        <translation>También vigilada por %1: eliminar, archivar o un script configurado en cualquiera de ellas espera hasta que todas las conexiones que toman el archivo lo hayan subido.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRow</name>
    <message>
        <source>Enable connection</source>
        <translation>Activar conexión</translation>
    </message>
    <message>
        <source>Schedule enabled</source>
        <translation>Horario activado</translation>
    </message>
    <message>
        <source>Open watched folder</source>
        <translation>Abrir la carpeta vigilada</translation>
    </message>
    <message>
        <source>simultaneous uploads</source>
        <translation>subidas simultáneas</translation>
    </message>
    <message>
        <source>stability check</source>
        <translation>comprobación de estabilidad</translation>
    </message>
    <message>
        <source>Keyword preset</source>
        <translation>Preajuste de palabras clave</translation>
    </message>
    <message>
        <source>Disable connection</source>
        <translation>Desactivar conexión</translation>
    </message>
    <message>
        <source>Simultaneous uploads: </source>
        <translation>Subidas simultáneas: </translation>
    </message>
    <message>
        <source>Stability check: </source>
        <translation>Comprobación de estabilidad: </translation>
    </message>
    <message>
        <source>Keyword preset: </source>
        <translation>Preajuste de palabras clave: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Editar conexión</translation>
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
        <translation>CONEXIONES</translation>
    </message>
    <message>
        <source>No connections configured</source>
        <translation>No hay conexiones configuradas</translation>
    </message>
    <message>
        <source>Add Connection</source>
        <translation>Añadir conexión</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowView</name>
    <message>
        <source>Disable connection</source>
        <translation>Desactivar conexión</translation>
    </message>
    <message>
        <source>Enable connection</source>
        <translation>Activar conexión</translation>
    </message>
    <message>
        <source>Unlock connection</source>
        <translation>Desbloquear conexión</translation>
    </message>
    <message>
        <source>Lock connection</source>
        <translation>Bloquear conexión</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSecrets</name>
    <message>
        <source>no keyring is running in this session</source>
        <translation>no hay ningún llavero en ejecución en esta sesión</translation>
    </message>
    <message numerus="yes">
        <source>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</source>
        <translation>
            <numerusform>La contraseña de %n conexión está en el llavero, pero no hay ningún llavero en ejecución, así que espera. Inicie uno o proporcione la contraseña como credencial de systemd.</numerusform>
            <numerusform>Las contraseñas de %n conexiones están en el llavero, pero no hay ningún llavero en ejecución, así que esperan. Inicie uno o proporcione las contraseñas como credenciales de systemd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring to give out the password.</source>
        <translation>Esperando a que el llavero entregue la contraseña.</translation>
    </message>
    <message>
        <source>The password is in the keyring, which does not give it out yet: %1</source>
        <translation>La contraseña está en el llavero, que todavía no la entrega: %1</translation>
    </message>
    <message>
        <source>The keyring no longer holds the password of &quot;%1&quot;; enter it again in the connection&apos;s settings.</source>
        <translation>El llavero ya no contiene la contraseña de «%1»; vuelva a introducirla en los ajustes de la conexión.</translation>
    </message>
    <message>
        <source>the keyring did not give the password back</source>
        <translation>el llavero no devolvió la contraseña</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n passwords from the preferences database to the keyring.</source>
        <translation>
            <numerusform>Se movió %n contraseña de la base de datos de preferencias al llavero.</numerusform>
            <numerusform>Se movieron %n contraseñas de la base de datos de preferencias al llavero.</numerusform>
        </translation>
    </message>
    <message>
        <source>The keyring does not give out or take passwords (%1). Connections whose password is in it wait until it does: unlock the keyring, or enter their passwords again.</source>
        <translation>El llavero no entrega ni acepta contraseñas (%1). Las conexiones cuya contraseña está en él esperan hasta que lo haga: desbloquee el llavero o vuelva a introducir sus contraseñas.</translation>
    </message>
    <message>
        <source>No keyring was found, so passwords are stored in the preferences database (%1), which only you can read.</source>
        <translation>No se encontró ningún llavero, así que las contraseñas se guardan en la base de datos de preferencias (%1), que solo usted puede leer.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSection</name>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>My Server</source>
        <translation>Mi servidor</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
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
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Use the usual port</source>
        <translation>Usar el puerto habitual</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose private key</source>
        <translation>Elegir clave privada</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear private key</source>
        <translation>Borrar la clave privada</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Clave privada</translation>
    </message>
    <message>
        <source>FTP Mode</source>
        <translation>Modo FTP</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Use port %1</source>
        <translation>Usar el puerto %1</translation>
    </message>
    <message>
        <source>None (password login)</source>
        <translation>Ninguna (inicio de sesión con contraseña)</translation>
    </message>
    <message>
        <source>Choose the SSH private key</source>
        <translation>Elija la clave privada SSH</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionTestArea</name>
    <message>
        <source>Test Connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Probando…</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message>
        <source>One or more connections have errors</source>
        <translation>Una o más conexiones tienen errores</translation>
    </message>
    <message>
        <source>Ondrix is uploading files</source>
        <translation>Ondrix está subiendo archivos</translation>
    </message>
    <message>
        <source>System going to sleep — pausing all connections</source>
        <translation>El sistema entra en suspensión — pausando todas las conexiones</translation>
    </message>
    <message>
        <source>System woke up — resuming connections</source>
        <translation>El sistema se ha reactivado — reanudando las conexiones</translation>
    </message>
    <message numerus="yes">
        <source>Upload Now: rescanning %n connections</source>
        <translation>
            <numerusform>Subir ahora: volviendo a examinar %n conexión</numerusform>
            <numerusform>Subir ahora: volviendo a examinar %n conexiones</numerusform>
        </translation>
    </message>
    <message>
        <source>System woke up — connections stay paused (%1)</source>
        <translation>El sistema se ha reactivado — las conexiones siguen en pausa (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsSettingsView</name>
    <message>
        <source>Select a connection or add a new one.</source>
        <translation>Seleccione una conexión o añada una nueva.</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Conexiones</translation>
    </message>
    <message>
        <source>Add connection</source>
        <translation>Añadir conexión</translation>
    </message>
    <message>
        <source>Delete connection</source>
        <translation>Eliminar conexión</translation>
    </message>
    <message>
        <source> Copy</source>
        <translation> (copia)</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message>
        <source>Delete this connection?</source>
        <translation>¿Eliminar esta conexión?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
</context>
<context>
    <name>ondrix::DiskSpaceGuard</name>
    <message>
        <source>Low disk space: %1 GB free on %2, below the %3 GB minimum.</source>
        <translation>Poco espacio en disco: %1 GB libres en %2, por debajo del mínimo de %3 GB.</translation>
    </message>
    <message>
        <source>Paused until there is room again (their uploads do not free space): %1</source>
        <translation>En pausa hasta que vuelva a haber espacio (sus subidas no liberan espacio): %1</translation>
    </message>
    <message>
        <source>Disk space is back: %1 GB free on %2; connections paused for it resume.</source>
        <translation>Vuelve a haber espacio en disco: %1 GB libres en %2; se reanudan las conexiones pausadas por ello.</translation>
    </message>
    <message>
        <source>Ondrix: Low disk space</source>
        <translation>Ondrix: poco espacio en disco</translation>
    </message>
    <message>
        <source>Ondrix: Disk space is back</source>
        <translation>Ondrix: vuelve a haber espacio en disco</translation>
    </message>
</context>
<context>
    <name>ondrix::ExtensionFilterView</name>
    <message>
        <source>File Types</source>
        <translation>Tipos de archivo</translation>
    </message>
    <message>
        <source>Extension preset</source>
        <translation>Preajuste de extensiones</translation>
    </message>
    <message>
        <source>Reset to preset</source>
        <comment>ext.reset.button</comment>
        <translation>Restablecer el preajuste</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <translation>%1 (excluidas)</translation>
    </message>
    <message>
        <source>Ticked extensions are never uploaded.</source>
        <translation>Las extensiones marcadas nunca se suben.</translation>
    </message>
    <message>
        <source>Only upload</source>
        <translation>Subir solo</translation>
    </message>
    <message>
        <source>every extension</source>
        <translation>todas las extensiones</translation>
    </message>
    <message>
        <source>Never upload</source>
        <translation>No subir nunca</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nada excluido</translation>
    </message>
    <message>
        <source>Upload them</source>
        <comment>ext.unspecified.download</comment>
        <translation>Subirlos</translation>
    </message>
    <message>
        <source>Ignore them</source>
        <comment>ext.unspecified.ignore</comment>
        <translation>Ignorarlos</translation>
    </message>
    <message>
        <source>Files with unlisted extensions:</source>
        <comment>ext.unspecified.label</comment>
        <translation>Archivos con extensiones no listadas:</translation>
    </message>
</context>
<context>
    <name>ondrix::GeneralSettingsTab</name>
    <message>
        <source>Scroll the general settings</source>
        <translation>Desplazar la configuración general</translation>
    </message>
    <message>
        <source>Scroll the general settings sideways</source>
        <translation>Desplazar la configuración general en horizontal</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Launch Ondrix when I log in</source>
        <translation>Iniciar Ondrix al iniciar sesión</translation>
    </message>
    <message>
        <source>Always show in the taskbar</source>
        <translation>Mostrar siempre en la barra de tareas</translation>
    </message>
    <message>
        <source>When disabled, Ondrix only appears in the taskbar while one of its windows is open.</source>
        <translation>Si se desactiva, Ondrix solo aparece en la barra de tareas mientras una de sus ventanas está abierta.</translation>
    </message>
    <message>
        <source>Sleep Behavior</source>
        <translation>Suspensión</translation>
    </message>
    <message>
        <source>Prevent sleep during uploads</source>
        <translation>Impedir la suspensión durante las subidas</translation>
    </message>
    <message>
        <source>Sleep is only prevented while files are actively uploading. Normal sleep resumes when idle.</source>
        <translation>La suspensión solo se impide mientras se suben archivos. La suspensión normal vuelve cuando no hay actividad.</translation>
    </message>
    <message>
        <source>Pause and resume on wake</source>
        <translation>Pausar y reanudar al reactivarse</translation>
    </message>
    <message>
        <source>If the computer sleeps anyway (battery, lid close), transfers will pause and resume automatically on wake.</source>
        <translation>Si el equipo se suspende de todos modos (batería, tapa cerrada), las transferencias se pausan y se reanudan automáticamente al reactivarse.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Pause when on mobile hotspot</source>
        <translation>Pausar con un punto de acceso móvil</translation>
    </message>
    <message>
        <source>Pause when internet is unavailable</source>
        <translation>Pausar cuando no haya Internet</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>Espacio en disco</translation>
    </message>
    <message>
        <source>Warn and pause if disk space is low</source>
        <translation>Avisar y pausar si queda poco espacio en disco</translation>
    </message>
    <message>
        <source>Minimum free space</source>
        <translation>Espacio libre mínimo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Color theme</source>
        <translation>Tema de color</translation>
    </message>
    <message>
        <source>App color</source>
        <translation>Color de la app</translation>
    </message>
    <message>
        <source>System color</source>
        <translation>Color del sistema</translation>
    </message>
    <message>
        <source>App color uses Ondrix&apos;s signature purple for selections, switches and links in its windows, so they are easy to recognise. System color follows your desktop&apos;s accent color.</source>
        <translation>El color de la app usa el morado característico de Ondrix en las selecciones, interruptores y enlaces de sus ventanas, para que sean fáciles de reconocer. El color del sistema sigue el color de énfasis de su escritorio.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Restart Ondrix to apply the language change.</source>
        <translation>Reinicie Ondrix para aplicar el cambio de idioma.</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Supervisión</translation>
    </message>
    <message>
        <source>Metrics file</source>
        <translation>Archivo de métricas</translation>
    </message>
    <message>
        <source>Ondrix keeps its counters in this file in Prometheus text format, rewritten every 10 seconds. Leave it empty to write none.</source>
        <translation>Ondrix guarda sus contadores en este archivo en formato de texto de Prometheus, reescrito cada 10 segundos. Déjelo vacío para no escribir ninguno.</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryListModel</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryView</name>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>No upload history.</source>
        <translation>No hay historial de subidas.</translation>
    </message>
    <message>
        <source>Upload History</source>
        <translation>Historial de subidas</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar…</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Buscar en el historial</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <source>Clear the whole history</source>
        <translation>Borrar todo el historial</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Subidas</translation>
    </message>
</context>
<context>
    <name>ondrix::InlineStepper</name>
    <message>
        <source>Decrease %1</source>
        <translation>Reducir %1</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>Aumentar %1</translation>
    </message>
</context>
<context>
    <name>ondrix::InotifyFileEventSource</name>
    <message>
        <source>Ondrix cannot watch %1 for new files: the system&apos;s limit of inotify instances per user (fs.inotify.max_user_instances = %2) is reached. New files are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_instances=1024 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Ondrix no puede vigilar %1 para detectar archivos nuevos: se ha alcanzado el límite del sistema de instancias de inotify por usuario (fs.inotify.max_user_instances = %2). Los archivos nuevos solo se encuentran con el análisis periódico de la carpeta. Para subir el límite, ejecute: sudo sysctl fs.inotify.max_user_instances=1024 (para conservarlo, añada ese ajuste a un archivo en /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Some file changes below %1 were missed because the system&apos;s queue of file events overflowed (fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Se perdieron algunos cambios de archivos bajo %1 porque la cola de eventos de archivo del sistema se desbordó (fs.inotify.max_queued_events = %2); el análisis periódico de la carpeta los recoge. Si ocurre a menudo, suba el límite: sudo sysctl fs.inotify.max_queued_events=65536 (para conservarlo, añada ese ajuste a un archivo en /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Not every folder below %1 can be watched: the limit of %2 inotify watches per user (fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>No se pueden vigilar todas las carpetas bajo %1: se ha alcanzado el límite de %2 vigilancias de inotify por usuario (fs.inotify.max_user_watches). Los archivos nuevos de las carpetas sin vigilancia solo se encuentran con el análisis periódico de la carpeta. Para subir el límite, ejecute: sudo sysctl fs.inotify.max_user_watches=524288 (para conservarlo, añada ese ajuste a un archivo en /etc/sysctl.d/).</translation>
    </message>
</context>
<context>
    <name>ondrix::IptcPresetsSection</name>
    <message>
        <source>IPTC presets (*.ondrix-keywords *.json)</source>
        <translation>Preajustes IPTC (*.ondrix-keywords *.json)</translation>
    </message>
    <message>
        <source>IPTC Presets</source>
        <translation>Preajustes IPTC</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import IPTC presets</source>
        <translation>Importar preajustes IPTC</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export IPTC presets</source>
        <translation>Exportar preajustes IPTC</translation>
    </message>
    <message>
        <source>Enable IPTC presets</source>
        <translation>Activar preajustes IPTC</translation>
    </message>
    <message>
        <source>Active preset</source>
        <translation>Preajuste activo</translation>
    </message>
    <message>
        <source>Each preset can contain multiple IPTC keywords separated by commas. Switch presets to quickly change which keywords are injected before uploading.</source>
        <translation>Cada preajuste puede contener varias palabras clave IPTC separadas por comas. Cambie de preajuste para modificar rápidamente qué palabras clave se insertan antes de subir.</translation>
    </message>
    <message>
        <source>New preset</source>
        <translation>Nuevo preajuste</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nombre del preajuste</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Quitar preajuste</translation>
    </message>
    <message>
        <source>Export IPTC Presets</source>
        <translation>Exportar preajustes IPTC</translation>
    </message>
    <message>
        <source>The presets could not be written to %1: %2. Choose a folder you can write to.</source>
        <translation>No se pudieron escribir los preajustes en %1: %2. Elija una carpeta en la que pueda escribir.</translation>
    </message>
    <message>
        <source>Import IPTC Presets</source>
        <translation>Importar preajustes IPTC</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not an IPTC presets file, so nothing was imported. %2</source>
        <translation>%1 no es un archivo de preajustes IPTC, así que no se importó nada. %2</translation>
    </message>
</context>
<context>
    <name>ondrix::LocalFolderSection</name>
    <message>
        <source>Local Folder</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose local folder</source>
        <translation>Elegir carpeta local</translation>
    </message>
    <message>
        <source>Monitor subfolders recursively</source>
        <translation>Vigilar subcarpetas de forma recursiva</translation>
    </message>
    <message>
        <source>Select the folder to watch for new files</source>
        <translation>Seleccione la carpeta donde vigilar los archivos nuevos</translation>
    </message>
</context>
<context>
    <name>ondrix::LogView</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>No log entries yet.</source>
        <translation>Aún no hay entradas en el registro.</translation>
    </message>
    <message>
        <source>Sync Log</source>
        <translation>Registro de sincronización</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Borrar el registro</translation>
    </message>
    <message>
        <source>Copy the whole log</source>
        <translation>Copiar todo el registro</translation>
    </message>
    <message>
        <source>Log entries</source>
        <translation>Entradas del registro</translation>
    </message>
</context>
<context>
    <name>ondrix::LogindPowerMonitor</name>
    <message>
        <source>Pausing uploads before the system sleeps</source>
        <translation>Pausando las subidas antes de que el sistema entre en suspensión</translation>
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
        <translation>Desplazar el resumen</translation>
    </message>
    <message>
        <source>Scroll the overview sideways</source>
        <translation>Desplazar el resumen en horizontal</translation>
    </message>
</context>
<context>
    <name>ondrix::MetricsFile</name>
    <message>
        <source>The metrics file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo de métricas %1: %2</translation>
    </message>
</context>
<context>
    <name>ondrix::NamePromptBar</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationService</name>
    <message>
        <source>Ondrix: 1 file uploaded</source>
        <translation>Ondrix: 1 archivo subido</translation>
    </message>
    <message>
        <source>...and %1 more</source>
        <translation>…y %1 más</translation>
    </message>
    <message>
        <source>Ondrix: Upload failed</source>
        <translation>Ondrix: error de subida</translation>
    </message>
    <message numerus="yes">
        <source>Ondrix: %n files uploaded</source>
        <translation>
            <numerusform>Ondrix: %n archivo subido</numerusform>
            <numerusform>Ondrix: %n archivos subidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationsSettingsTab</name>
    <message>
        <source>Scroll the notification settings</source>
        <translation>Desplazar la configuración de notificaciones</translation>
    </message>
    <message>
        <source>Scroll the notification settings sideways</source>
        <translation>Desplazar la configuración de notificaciones en horizontal</translation>
    </message>
    <message>
        <source>Upload Notifications</source>
        <translation>Notificaciones de subida</translation>
    </message>
    <message>
        <source>Notify when uploads complete</source>
        <translation>Notificar cuando terminen las subidas</translation>
    </message>
    <message>
        <source>Group notifications (summary instead of file list)</source>
        <translation>Agrupar notificaciones (resumen en lugar de lista de archivos)</translation>
    </message>
    <message>
        <source>Error Notifications</source>
        <translation>Notificaciones de error</translation>
    </message>
    <message>
        <source>Notify on connection errors</source>
        <translation>Notificar los errores de conexión</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Play sound on upload</source>
        <translation>Reproducir un sonido al subir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Preview the sound</source>
        <translation>Escuchar el sonido</translation>
    </message>
    <message>
        <source>Schedule Notifications</source>
        <translation>Notificaciones de horario</translation>
    </message>
    <message>
        <source>Notify when connections pause/resume by schedule</source>
        <translation>Notificar cuando las conexiones se pausen o reanuden por horario</translation>
    </message>
    <message numerus="yes">
        <source>Only if %n or more files</source>
        <translation>
            <numerusform>Solo si son %n archivo o más</numerusform>
            <numerusform>Solo si son %n archivos o más</numerusform>
        </translation>
    </message>
    <message>
        <source>After 1 failure</source>
        <translation>Tras 1 fallo</translation>
    </message>
    <message numerus="yes">
        <source>After %n consecutive failures</source>
        <translation>
            <numerusform>Tras %n fallo</numerusform>
            <numerusform>Tras %n fallos consecutivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::PauseReasons</name>
    <message>
        <source>by you</source>
        <translation>por usted</translation>
    </message>
    <message>
        <source>the computer sleeps</source>
        <translation>el equipo está en reposo</translation>
    </message>
    <message>
        <source>no network</source>
        <translation>sin red</translation>
    </message>
    <message>
        <source>metered network</source>
        <translation>red de uso medido</translation>
    </message>
    <message>
        <source>low disk space</source>
        <translation>poco espacio en disco</translation>
    </message>
    <message>
        <source>outside the scheduled hours</source>
        <translation>fuera del horario programado</translation>
    </message>
    <message>
        <source>Paused (%1)</source>
        <extracomment>The reasons are joined by commas, such as &quot;by you, no network&quot;.</extracomment>
        <translation>En pausa (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverControls</name>
    <message>
        <source>Upload Now</source>
        <translation>Subir ahora</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once</source>
        <translation>Volver a analizar ahora cada conexión en marcha y reintentar de inmediato los archivos fallidos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverFooter</name>
    <message>
        <source>History...</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>Log...</source>
        <translation>Registro…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Acerca de Ondrix</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
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
        <translation>ESTADÍSTICAS</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde siempre</translation>
    </message>
    <message>
        <source>Last activity: </source>
        <translation>Última actividad: </translation>
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
        <translation>Acción tras la subida</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Move to archive folder</source>
        <translation>Mover a la carpeta de archivo</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>Ejecutar script</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose archive folder or script</source>
        <translation>Elegir carpeta de archivo o script</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Elija la carpeta de archivo</translation>
    </message>
    <message>
        <source>Choose the script to run</source>
        <translation>Elija el script que se ejecutará</translation>
    </message>
</context>
<context>
    <name>ondrix::RecentUploadsList</name>
    <message>
        <source>RECENT</source>
        <translation>RECIENTES</translation>
    </message>
    <message>
        <source>No recent uploads</source>
        <translation>No hay subidas recientes</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteControlService</name>
    <message>
        <source>no session bus</source>
        <translation>no hay bus de sesión</translation>
    </message>
    <message>
        <source>another instance owns %1</source>
        <translation>otra instancia ya tiene %1</translation>
    </message>
    <message>
        <source>The running Ondrix has no windows (it runs headless); %1 does nothing.</source>
        <translation>El Ondrix en ejecución no tiene ventanas (se ejecuta sin interfaz); %1 no hace nada.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderPickerView</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select This Folder</source>
        <translation>Seleccionar esta carpeta</translation>
    </message>
    <message>
        <source>Choose Remote Folder</source>
        <translation>Elegir carpeta remota</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Carpeta superior</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>No subfolders</source>
        <translation>Sin subcarpetas</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>No se puede mostrar esta carpeta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>The server lists a folder named “%1”, which cannot be opened safely.</source>
        <translation>El servidor muestra una carpeta llamada «%1», que no se puede abrir de forma segura.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderSection</name>
    <message>
        <source>Remote Folder</source>
        <translation>Carpeta remota</translation>
    </message>
    <message>
        <source>Remote path</source>
        <translation>Ruta remota</translation>
    </message>
    <message>
        <source>/uploads/photos</source>
        <translation>/subidas/fotos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Browse remote folders</source>
        <translation>Examinar carpetas remotas</translation>
    </message>
    <message>
        <source>Preserve subfolder structure on server</source>
        <translation>Conservar la estructura de subcarpetas en el servidor</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteItemModel</name>
    <message>
        <source>%1 — the server sent a name that cannot be used safely</source>
        <translation>%1 — el servidor envió un nombre que no se puede usar de forma segura</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source> (tag: %1)</source>
        <translation> (etiqueta: %1)</translation>
    </message>
</context>
<context>
    <name>ondrix::RemotePathBar</name>
    <message>
        <source>Go to %1</source>
        <translation>Ir a %1</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSection</name>
    <message>
        <source>Schedule</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Upload only during scheduled hours</source>
        <translation>Subir solo en el horario programado</translation>
    </message>
    <message>
        <source>One hour earlier: %1</source>
        <translation>Una hora antes: %1</translation>
    </message>
    <message>
        <source>One hour later: %1</source>
        <translation>Una hora después: %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSupervisor</name>
    <message>
        <source>Paused: outside its scheduled hours (%1)</source>
        <translation>En pausa: fuera de su horario programado (%1)</translation>
    </message>
    <message>
        <source>Resumed: within its scheduled hours (%1)</source>
        <translation>Reanudada: dentro de su horario programado (%1)</translation>
    </message>
    <message>
        <source>Ondrix: %1 paused</source>
        <translation>Ondrix: %1 en pausa</translation>
    </message>
    <message>
        <source>Ondrix: %1 resumed</source>
        <translation>Ondrix: %1 reanudada</translation>
    </message>
</context>
<context>
    <name>ondrix::SettingsView</name>
    <message>
        <source>Settings sections</source>
        <translation>Secciones de configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Conexiones</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
</context>
<context>
    <name>ondrix::StatsService</name>
    <message>
        <source>1 file (%1)</source>
        <translation>1 archivo (%1)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>ahora mismo</translation>
    </message>
    <message>
        <source>%1s ago</source>
        <translation>hace %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
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
            <numerusform>%n archivo (%1)</numerusform>
            <numerusform>%n archivos (%1)</numerusform>
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
        <translation>Ondrix — en pausa</translation>
    </message>
    <message>
        <source>Ondrix — uploading</source>
        <translation>Ondrix — subiendo</translation>
    </message>
    <message>
        <source>Ondrix — checking new files</source>
        <translation>Ondrix — comprobando archivos nuevos</translation>
    </message>
    <message>
        <source>Ondrix — error: %1</source>
        <translation>Ondrix — error: %1</translation>
    </message>
    <message>
        <source>Ondrix — watching folders</source>
        <translation>Ondrix — vigilando carpetas</translation>
    </message>
</context>
<context>
    <name>ondrix::TagsSection</name>
    <message>
        <source>File Manager Tags</source>
        <translation>Etiquetas del gestor de archivos</translation>
    </message>
    <message>
        <source>Tag files by upload status</source>
        <translation>Etiquetar archivos según el estado de subida</translation>
    </message>
    <message>
        <source>Files in the watched folder will be tagged in the file manager:</source>
        <translation>Los archivos de la carpeta vigilada se etiquetarán en el gestor de archivos:</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>ondrix::TransferSection</name>
    <message>
        <source>Sync &amp;&amp; Transfer</source>
        <translation>Sincronización &amp;&amp; transferencia</translation>
    </message>
    <message>
        <source>Stability check</source>
        <translation>Comprobación de estabilidad</translation>
    </message>
    <message>
        <source>Wait this long after the last file write before uploading.</source>
        <translation>Esperar este tiempo tras la última escritura del archivo antes de subirlo.</translation>
    </message>
    <message>
        <source>Simultaneous uploads</source>
        <translation>Subidas simultáneas</translation>
    </message>
    <message>
        <source>Delete local file after successful upload</source>
        <translation>Eliminar el archivo local tras una subida correcta</translation>
    </message>
    <message>
        <source>Conflict resolution</source>
        <translation>Resolución de conflictos</translation>
    </message>
    <message>
        <source>Upload under a temporary name, then rename</source>
        <translation>Subir con un nombre temporal y luego renombrar</translation>
    </message>
    <message>
        <source>The file arrives as a hidden name in the target folder and gets its real name once complete, so nothing watching the server sees half a file.</source>
        <translation>El archivo llega con un nombre oculto a la carpeta de destino y recibe su nombre real cuando está completo, así nada que vigile el servidor ve un archivo a medias.</translation>
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
        <translation>la respuesta no contiene ninguna versión</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>%1. Check the internet connection and try again later.</source>
        <translation>%1. Compruebe la conexión a Internet y vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Download: %1</source>
        <translation>Descarga: %1</translation>
    </message>
    <message>
        <source>Ondrix %1 is available</source>
        <translation>Ondrix %1 está disponible</translation>
    </message>
    <message>
        <source>Ondrix is up to date</source>
        <translation>Ondrix está actualizado</translation>
    </message>
    <message>
        <source>Version %1 is the newest.</source>
        <translation>La versión %1 es la más reciente.</translation>
    </message>
    <message>
        <source>the answer is larger than a feed can be</source>
        <translation>la respuesta es mayor de lo que puede ser un feed</translation>
    </message>
</context>
</TS>
