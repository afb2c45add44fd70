<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
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
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
</context>
<context>
    <name>ConnectionStatusReport</name>
    <message>
        <source>Idle</source>
        <translation>Ocioso</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Monitorando</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>%1 queued, %2 uploading</source>
        <translation>%1 na fila, %2 enviando</translation>
    </message>
    <message>
        <source>last error: %1</source>
        <translation>último erro: %1</translation>
    </message>
    <message>
        <source>No connections are set up.</source>
        <translation>Nenhuma conexão configurada.</translation>
    </message>
</context>
<context>
    <name>ConnectionTester</name>
    <message>
        <source>✓ Connected successfully</source>
        <translation>✓ Conectado com sucesso</translation>
    </message>
</context>
<context>
    <name>ConnectionsCommand</name>
    <message>
        <source>Quit Ondrix first, or change the connections in its settings window.</source>
        <translation>Feche o Ondrix primeiro ou altere as conexões na janela de configurações dele.</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read: %1</source>
        <translation>Não é possível ler a lista de conexões salva: %1</translation>
    </message>
    <message>
        <source>No connections.</source>
        <translation>Nenhuma conexão.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ativada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desativada</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported, nothing changed: %2</source>
        <translation>%1 não foi importado, nada foi alterado: %2</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read (%1); nothing changed.</source>
        <translation>Não é possível ler a lista de conexões salva (%1); nada foi alterado.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n connections</source>
        <translation>
            <numerusform>%n conexão importada</numerusform>
            <numerusform>%n conexões importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n replaced).</source>
        <translation>
            <numerusform> (%n substituída).</numerusform>
            <numerusform> (%n substituídas).</numerusform>
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
        <translation>chave “%1”: %2</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>nenhum host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a scheme; give the host name alone</source>
        <translation>“%1” contém um esquema; informe apenas o nome do host</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a path, credentials or spaces; give the host name alone</source>
        <translation>“%1” contém um caminho, credenciais ou espaços; informe apenas o nome do host</translation>
    </message>
    <message>
        <source>%1 is not a port (1 to 65535)</source>
        <translation>%1 não é uma porta (1 a 65535)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>a pasta “%1” não existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an executable file</source>
        <translation>“%1” não é um arquivo executável</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed by other users; make it writable by you only</source>
        <translation>“%1” pode ser alterado por outros usuários; deixe-o gravável só por você</translation>
    </message>
    <message>
        <source>Passwords are not printed to a terminal. Write them to a file only you can read instead:
    ondrix connections export --with-passwords --output connections.json</source>
        <translation>As senhas não são mostradas em um terminal. Grave-as em um arquivo que só você pode ler:
    ondrix connections export --with-passwords --output connections.json</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; cannot be read (%2); nothing was exported.</source>
        <translation>A senha de “%1” não pode ser lida (%2); nada foi exportado.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>it is larger than a connection list can be (%1 bytes, at most %2)</source>
        <translation>é maior do que uma lista de conexões pode ser (%1 bytes, no máximo %2)</translation>
    </message>
    <message>
        <source>connection %1, key &quot;%2&quot;: nested deeper than a connection list is</source>
        <translation>conexão %1, chave “%2”: aninhada mais fundo do que uma lista de conexões</translation>
    </message>
    <message>
        <source>connection %1 (&quot;%2&quot;), %3</source>
        <translation>conexão %1 (“%2”), %3</translation>
    </message>
    <message>
        <source>nothing after upload</source>
        <translation>nada após o envio</translation>
    </message>
    <message>
        <source>moves files to %1</source>
        <translation>move os arquivos para %1</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>executa %1</translation>
    </message>
    <message>
        <source>deletes local files</source>
        <translation>apaga os arquivos locais</translation>
    </message>
    <message>
        <source>some connections delete local files or run a script; check the lines above and import again with --yes</source>
        <translation>algumas conexões apagam arquivos locais ou executam um script; confira as linhas acima e importe novamente com --yes</translation>
    </message>
    <message>
        <source>The keyring did not take the passwords of %1 (%2); nothing changed.</source>
        <translation>O chaveiro não aceitou as senhas de %1 (%2); nada mudou.</translation>
    </message>
</context>
<context>
    <name>CurlHandle</name>
    <message>
        <source> (active mode does not work with FTPS; use passive mode)</source>
        <translation> (o modo ativo não funciona com FTPS; use o modo passivo)</translation>
    </message>
    <message>
        <source>: the SSH handshake failed because the server offers no key exchange or host key type that %1 supports. The usual cause is a server with only an RSA host key: %1 cannot check its SHA-2 signatures. Give the server an Ed25519 or ECDSA host key (ssh-keygen -A on the server) and connect again.</source>
        <translation>: o handshake SSH falhou porque o servidor não oferece nenhuma troca de chaves nem tipo de chave de host suportado pelo %1. A causa comum é um servidor com apenas uma chave de host RSA: o %1 não consegue verificar as assinaturas SHA-2 dela. Dê ao servidor uma chave de host Ed25519 ou ECDSA (ssh-keygen -A no servidor) e conecte novamente.</translation>
    </message>
    <message>
        <source>Failed to initialize libcurl</source>
        <translation>Falha ao inicializar a libcurl</translation>
    </message>
</context>
<context>
    <name>CurlTransferClient</name>
    <message>
        <source>The remote path contains a line break or NUL character and was not sent: %1</source>
        <translation>O caminho remoto contém uma quebra de linha ou um caractere NUL e não foi enviado: %1</translation>
    </message>
    <message>
        <source>The server&apos;s listing of this folder is larger than %1, so it is not shown; open a sub-folder, or tidy this folder on the server</source>
        <translation>A listagem desta pasta enviada pelo servidor é maior que %1, por isso não é exibida; abra uma subpasta ou organize esta pasta no servidor</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 não foi encontrado</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix desktop module</source>
        <translation>%1 não é um módulo de área de trabalho do Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 pertence a outra versão do Ondrix</translation>
    </message>
</context>
<context>
    <name>ExtensionCategory</name>
    <message>
        <source>Images</source>
        <comment>ext.cat.images</comment>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>ext.cat.video</comment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>ext.cat.audio</comment>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Documents</source>
        <comment>ext.cat.documents</comment>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment>ext.cat.temp</comment>
        <translation>Arquivos temporários</translation>
    </message>
</context>
<context>
    <name>FTPError</name>
    <message>
        <source>Connection failed: </source>
        <translation>Falha na conexão: </translation>
    </message>
    <message>
        <source>Remote path not found: </source>
        <translation>Caminho remoto não encontrado: </translation>
    </message>
    <message>
        <source>Cannot read file: </source>
        <translation>Não é possível ler o arquivo: </translation>
    </message>
    <message>
        <source>Cannot write to: </source>
        <translation>Não é possível gravar em: </translation>
    </message>
    <message>
        <source>Transfer failed: </source>
        <translation>Falha na transferência: </translation>
    </message>
    <message>
        <source>curl error </source>
        <translation>erro do curl </translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Falha na autenticação</translation>
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
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>é um pipe nomeado, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>é um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>é um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
        <source> (it is a symbolic link; links are not followed, only regular files inside the folder are uploaded)</source>
        <translation> (é um link simbólico; links não são seguidos, apenas arquivos comuns dentro da pasta são enviados)</translation>
    </message>
    <message>
        <source>The server does not tell the size of %1, so whether it holds the file cannot be checked</source>
        <translation>O servidor não informa o tamanho de %1, então não é possível verificar se ele tem o arquivo</translation>
    </message>
    <message>
        <source> (it is not inside the watched folder)</source>
        <translation> (não está dentro da pasta monitorada)</translation>
    </message>
    <message>
        <source>The server&apos;s reply was longer than %1 bytes and was cut off; the server does not answer as an FTP server should</source>
        <translation>A resposta do servidor ultrapassou %1 bytes e foi cortada; o servidor não responde como um servidor FTP deveria</translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>The host name is not valid. Enter a name such as ftp.example.com or an IP address.</source>
        <translation>O nome do host não é válido. Digite um nome como ftp.example.com ou um endereço IP.</translation>
    </message>
    <message>
        <source>The host &quot;%1&quot; was not found. Check its spelling and your network connection.</source>
        <translation>O host &quot;%1&quot; não foi encontrado. Verifique a grafia e sua conexão de rede.</translation>
    </message>
    <message>
        <source>Nothing accepted a connection at %1 on port %2. Check the host and the port (FTP and FTPS usually use 21, SFTP 22) and that the server is running.</source>
        <translation>Nada aceitou uma conexão em %1 na porta %2. Verifique o host e a porta (FTP e FTPS costumam usar 21, SFTP 22) e se o servidor está em execução.</translation>
    </message>
    <message>
        <source>The server did not answer in time. Check the host and the port, and whether a firewall blocks the connection.</source>
        <translation>O servidor não respondeu a tempo. Verifique o host e a porta e se um firewall está bloqueando a conexão.</translation>
    </message>
    <message>
        <source>The server refused the login. Check the username and the password.</source>
        <translation>O servidor recusou o login. Verifique o nome de usuário e a senha.</translation>
    </message>
    <message>
        <source>The server refused to open the folder: it may not exist, or this user may not have access to it. Check the remote path and the user&apos;s permissions on the server.</source>
        <translation>O servidor se recusou a abrir a pasta: ela pode não existir, ou este usuário pode não ter acesso a ela. Verifique o caminho remoto e as permissões do usuário no servidor.</translation>
    </message>
    <message>
        <source>The folder or file does not exist on the server. Check the remote path.</source>
        <translation>A pasta ou o arquivo não existe no servidor. Verifique o caminho remoto.</translation>
    </message>
    <message>
        <source>The server&apos;s host key could not be checked. Connect again; if it persists, check the known hosts file.</source>
        <translation>Não foi possível verificar a chave de host do servidor. Conecte de novo; se persistir, verifique o arquivo de hosts conhecidos.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted or is not made out to &quot;%1&quot;. Check the host name; for a private certificate authority, point SSL_CERT_FILE at its certificate.</source>
        <translation>O certificado do servidor não é confiável ou não foi emitido para &quot;%1&quot;. Verifique o nome do host; para uma autoridade certificadora privada, aponte SSL_CERT_FILE para o certificado dela.</translation>
    </message>
    <message>
        <source>The secure connection could not be set up. Check that the server offers explicit FTPS (TLS) on this port.</source>
        <translation>Não foi possível estabelecer a conexão segura. Verifique se o servidor oferece FTPS explícito (TLS) nesta porta.</translation>
    </message>
    <message>
        <source>The server does not offer TLS. Choose FTP if it has no encryption, or enable TLS on the server.</source>
        <translation>O servidor não oferece TLS. Escolha FTP se ele não tiver criptografia, ou ative o TLS no servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s answer was not understood. Check that the protocol matches the server (SFTP for SSH servers, FTP or FTPS otherwise) and the port.</source>
        <translation>A resposta do servidor não foi entendida. Verifique se o protocolo corresponde ao servidor (SFTP para servidores SSH, FTP ou FTPS nos demais) e a porta.</translation>
    </message>
    <message>
        <source>The server could not open the data connection in active mode. Choose passive mode.</source>
        <translation>O servidor não conseguiu abrir a conexão de dados no modo ativo. Escolha o modo passivo.</translation>
    </message>
    <message>
        <source>The connection was cut off. Try again; if it keeps happening, check the protocol, the port and the server&apos;s connection limits.</source>
        <translation>A conexão caiu. Tente novamente; se continuar acontecendo, verifique o protocolo, a porta e os limites de conexão do servidor.</translation>
    </message>
    <message>
        <source>The private key file %1 cannot be read. Choose the key file again in the connection&apos;s settings.</source>
        <translation>O arquivo de chave privada %1 não pode ser lido. Escolha o arquivo de chave de novo nas configurações da conexão.</translation>
    </message>
    <message>
        <source>The server refused the login with the key %1. Check the username, and that the key&apos;s public part is in the server&apos;s authorized_keys file.</source>
        <translation>O servidor recusou o login com a chave %1. Verifique o nome de usuário e se a parte pública da chave está no arquivo authorized_keys do servidor.</translation>
    </message>
    <message>
        <source>The connection ended before the whole file arrived. The file is sent again.</source>
        <translation>A conexão terminou antes de o arquivo inteiro chegar. O arquivo é enviado de novo.</translation>
    </message>
    <message>
        <source>The server refused to store the file. Check that the user may write to the remote folder and that the server has free space.</source>
        <translation>O servidor se recusou a gravar o arquivo. Verifique se o usuário pode gravar na pasta remota e se o servidor tem espaço livre.</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full. Free space on the server; the file is sent again.</source>
        <translation>O disco do servidor está cheio. Libere espaço no servidor; o arquivo é enviado de novo.</translation>
    </message>
    <message>
        <source>The SSH connection broke off. The file is sent again; if it keeps happening, check the network and the server&apos;s session and connection limits.</source>
        <translation>A conexão SSH caiu. O arquivo é enviado de novo; se continuar acontecendo, verifique a rede e os limites de sessões e conexões do servidor.</translation>
    </message>
    <message>
        <source>The connection was cut off. The file is sent again; if it keeps happening, check the network and the server&apos;s connection limits.</source>
        <translation>A conexão foi interrompida. O arquivo é enviado novamente; se continuar acontecendo, verifique a rede e os limites de conexões do servidor.</translation>
    </message>
</context>
<context>
    <name>FailureNotices</name>
    <message numerus="yes">
        <source>%1 (failed %n times in a row)</source>
        <translation>
            <numerusform>%1 (falhou %n vez seguida)</numerusform>
            <numerusform>%1 (falhou %n vezes seguidas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPresets</name>
    <message>
        <source>All files (no filter)</source>
        <translation>Todos os arquivos (sem filtro)</translation>
    </message>
    <message>
        <source>Downloads every file without filtering</source>
        <translation>Envia todos os arquivos sem filtrar</translation>
    </message>
    <message>
        <source>All except temporaries (recommended)</source>
        <translation>Tudo exceto temporários (recomendado)</translation>
    </message>
    <message>
        <source>Downloads everything, ignores temp/partial files</source>
        <translation>Envia tudo, ignora arquivos temporários ou parciais</translation>
    </message>
    <message>
        <source>Photography</source>
        <translation>Fotografia</translation>
    </message>
    <message>
        <source>RAW, processed images and sidecar files</source>
        <translation>RAW, imagens processadas e arquivos auxiliares</translation>
    </message>
    <message>
        <source>E-commerce / Data</source>
        <translation>E-commerce / Dados</translation>
    </message>
    <message>
        <source>CSV, Excel, XML, JSON and EDI files</source>
        <translation>Arquivos CSV, Excel, XML, JSON e EDI</translation>
    </message>
    <message>
        <source>Audiovisual</source>
        <translation>Audiovisual</translation>
    </message>
    <message>
        <source>Video, audio, subtitles and editing formats</source>
        <translation>Vídeo, áudio, legendas e formatos de edição</translation>
    </message>
    <message>
        <source>Health / Compliance</source>
        <translation>Saúde / Conformidade</translation>
    </message>
    <message>
        <source>Medical, HL7, DICOM and encrypted files</source>
        <translation>Arquivos médicos, HL7, DICOM e criptografados</translation>
    </message>
    <message>
        <source>Finance / Accounting</source>
        <translation>Finanças / Contabilidade</translation>
    </message>
    <message>
        <source>Banking, invoicing and financial data</source>
        <translation>Dados bancários, de faturamento e financeiros</translation>
    </message>
    <message>
        <source>Data / Analytics</source>
        <translation>Dados / Análise</translation>
    </message>
    <message>
        <source>Datasets, compressed archives and query formats</source>
        <translation>Conjuntos de dados, arquivos compactados e formatos de consulta</translation>
    </message>
    <message>
        <source>Research / Science</source>
        <translation>Pesquisa / Ciência</translation>
    </message>
    <message>
        <source>Scientific data, genomics and simulation files</source>
        <translation>Dados científicos, genômica e arquivos de simulação</translation>
    </message>
    <message>
        <source>Agency / Creative</source>
        <translation>Agência / Criação</translation>
    </message>
    <message>
        <source>Design, photography and creative assets</source>
        <translation>Design, fotografia e materiais criativos</translation>
    </message>
    <message>
        <source>IT / Integrations</source>
        <translation>TI / Integrações</translation>
    </message>
    <message>
        <source>Config, logs, backups and data exchange</source>
        <translation>Configurações, logs, backups e troca de dados</translation>
    </message>
    <message>
        <source>Print / Graphics</source>
        <translation>Impressão / Gráficos</translation>
    </message>
    <message>
        <source>Print-ready, prepress and design files</source>
        <translation>Arquivos prontos para impressão, de pré-impressão e de design</translation>
    </message>
    <message>
        <source>Photos only</source>
        <translation>Somente fotos</translation>
    </message>
    <message>
        <source>RAW + processed image formats</source>
        <translation>Formatos RAW e de imagens processadas</translation>
    </message>
    <message>
        <source>Video only</source>
        <translation>Somente vídeo</translation>
    </message>
    <message>
        <source>Common video and cinema formats</source>
        <translation>Formatos comuns de vídeo e cinema</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Define your own extensions</source>
        <translation>Defina suas próprias extensões</translation>
    </message>
</context>
<context>
    <name>FolderDeliveries</name>
    <message>
        <source>Its after-upload action is left out for the files it shares with %1, which comes first in the list of connections and acts on them; a file is acted on once, after every connection has it</source>
        <translation>Sua ação após o envio é omitida para os arquivos que compartilha com %1, que vem primeiro na lista de conexões e cuida deles; um arquivo é tratado uma só vez, depois que todas as conexões o têm</translation>
    </message>
    <message>
        <source>Kept until %1 has it too: </source>
        <translation>Mantido até que %1 também o tenha: </translation>
    </message>
    <message>
        <source>Keeps its record of uploaded files together with %1 (same server address, local folder and remote folder): after a restart, a file either of them sent counts as sent by both, so files both take are neither deleted, moved nor handed to a script after their upload. Give one of them another remote folder.</source>
        <translation>Compartilha seu registro de arquivos enviados com %1 (mesmo endereço de servidor, pasta local e pasta remota): após reiniciar, um arquivo enviado por qualquer uma delas conta como enviado por ambas, por isso os arquivos que as duas pegam não são excluídos, movidos nem entregues a um script após o envio. Dê a uma delas outra pasta remota.</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>Not selected</source>
        <translation>Não selecionado</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <source>size verified</source>
        <translation>tamanho verificado</translation>
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
        <translation>Não é possível gravar palavras-chave nas imagens, então as imagens são enviadas sem elas: %1. Reinstale o Ondrix para restaurar o módulo de palavras-chave.</translation>
    </message>
    <message>
        <source>%1 is larger than 2 GiB, so it goes up without the connection&apos;s keywords</source>
        <translation>%1 é maior que 2 GiB, por isso é enviado sem as palavras-chave da conexão</translation>
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
        <translation>O arquivo não é um JSON válido (%1 no byte %2).</translation>
    </message>
    <message>
        <source>The file does not hold a list of presets.</source>
        <translation>O arquivo não contém uma lista de predefinições.</translation>
    </message>
    <message>
        <source>Preset %1 of the file is not an object with the text fields &quot;id&quot;, &quot;name&quot; and &quot;keyword&quot;.</source>
        <translation>A predefinição %1 do arquivo não é um objeto com os campos de texto &quot;id&quot;, &quot;name&quot; e &quot;keyword&quot;.</translation>
    </message>
</context>
<context>
    <name>KeywordModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está faltando</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix keyword module</source>
        <translation>%1 não é um módulo de palavras-chave do Ondrix</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 pertence a outra versão do Ondrix</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not set Ondrix to start at login: %1</source>
        <translation>Não foi possível configurar o Ondrix para iniciar com a sessão: %1</translation>
    </message>
    <message>
        <source>Could not stop Ondrix from starting at login: %1</source>
        <translation>Não foi possível impedir que o Ondrix inicie com a sessão: %1</translation>
    </message>
</context>
<context>
    <name>LogLevelStyle</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>MenuBarPresentation</name>
    <message>
        <source>No network</source>
        <translation>Sem rede</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Nenhuma conexão</translation>
    </message>
    <message>
        <source>1 active connection</source>
        <translation>1 conexão ativa</translation>
    </message>
    <message>
        <source>Paused — mobile hotspot detected</source>
        <translation>Pausado — hotspot móvel detectado</translation>
    </message>
    <message>
        <source>Paused — no internet connection</source>
        <translation>Pausado — sem conexão com a internet</translation>
    </message>
    <message>
        <source>Preventing sleep — uploading</source>
        <translation>Impedindo a suspensão — enviando</translation>
    </message>
    <message>
        <source>Sleep prevention enabled</source>
        <translation>Prevenção de suspensão ativada</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativada</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectada</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>Nenhuma predefinição</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>now</source>
        <translation>agora</translation>
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
        <translation>%1 GB livres</translation>
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
        <translation>Rede</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No network connection at all</extracomment>
        <translation>Sem rede</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network state before it is first known</extracomment>
        <translation>Desconhecida</translation>
    </message>
    <message numerus="yes">
        <source>%n active connections</source>
        <translation>
            <numerusform>%n conexão ativa</numerusform>
            <numerusform>%n conexões ativas</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading 1 file</source>
        <translation>Enviando 1 arquivo</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n files</source>
        <translation>
            <numerusform>Enviando %n arquivo</numerusform>
            <numerusform>Enviando %n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n more uploading...</source>
        <translation>
            <numerusform>+%n outro sendo enviado…</numerusform>
            <numerusform>+%n outros sendo enviados…</numerusform>
        </translation>
    </message>
    <message>
        <source>1 connection has an error</source>
        <translation>1 conexão com erro</translation>
    </message>
    <message numerus="yes">
        <source>%n connections have errors</source>
        <translation>
            <numerusform>%n conexão com erro</numerusform>
            <numerusform>%n conexões com erro</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PostUploadActions</name>
    <message>
        <source>%1 stays in place, not moved to the archive: %2</source>
        <translation>%1 fica onde está, não foi movido para o arquivo morto: %2</translation>
    </message>
    <message>
        <source>the archive folder %1 does not exist</source>
        <translation>a pasta de arquivo morto %1 não existe</translation>
    </message>
    <message>
        <source>the archive folder %1 is not writable (%2)</source>
        <translation>a pasta de arquivo morto %1 não permite gravação (%2)</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>%1 is damaged and could not be moved aside</source>
        <translation>%1 está danificado e não pôde ser guardado à parte</translation>
    </message>
</context>
<context>
    <name>PushConnection</name>
    <message>
        <source>Passive (recommended)</source>
        <translation>Passivo (recomendado)</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Rename (add suffix)</source>
        <translation>Renomear (adicionar sufixo)</translation>
    </message>
    <message>
        <source>Skip (keep existing)</source>
        <translation>Pular (manter o existente)</translation>
    </message>
    <message>
        <source>New Connection</source>
        <translation>Nova conexão</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>um texto</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>an array of numbers</source>
        <translation>uma matriz de números</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the unknown value &quot;%2&quot;</source>
        <translation>&quot;%1&quot; tem o valor desconhecido &quot;%2&quot;</translation>
    </message>
    <message>
        <source>a UUID string</source>
        <translation>um texto UUID</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>a chave &quot;%1&quot; está faltando</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>um número inteiro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>&quot;%1&quot; precisa ser %2</translation>
    </message>
    <message>
        <source>the connection list is not a JSON array</source>
        <translation>a lista de conexões não é uma matriz JSON</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>não é um objeto</translation>
    </message>
    <message>
        <source>connection %1: %2</source>
        <translation>conexão %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>Not uploaded: FTP cannot carry a name with a tab, a line break or another control character: %1. Rename the file, or connect over SFTP, which carries such names.</source>
        <translation>Não enviado: o FTP não consegue transmitir um nome com tabulação, quebra de linha ou outro caractere de controle: %1. Renomeie o arquivo ou conecte por SFTP, que transmite esses nomes.</translation>
    </message>
</context>
<context>
    <name>RemoteControlClient</name>
    <message>
        <source>no session bus</source>
        <translation>nenhum barramento de sessão</translation>
    </message>
    <message>
        <source>no running instance on the session bus</source>
        <translation>nenhuma instância em execução no barramento de sessão</translation>
    </message>
</context>
<context>
    <name>RemoteDelivery</name>
    <message>
        <source>%1 and %2 numbered copies of it exist on the server</source>
        <translation>%1 e %2 cópias numeradas dele já existem no servidor</translation>
    </message>
    <message>
        <source>has no file</source>
        <translation>ele não tem o arquivo</translation>
    </message>
    <message numerus="yes">
        <source>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</source>
        <translation>
            <numerusform>O servidor informou sucesso, mas %1 quando foi enviado %2 byte (%3); o arquivo local é mantido</numerusform>
            <numerusform>O servidor informou sucesso, mas %1 quando foram enviados %2 bytes (%3); o arquivo local é mantido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %1 bytes</source>
        <translation>
            <numerusform>ele contém %1 byte</numerusform>
            <numerusform>ele contém %1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>the server does not offer to resume uploads (REST STREAM)</source>
        <translation>o servidor não permite retomar envios (REST STREAM)</translation>
    </message>
    <message>
        <source>The server holds other bytes than were sent (%1): its %2 is %3, the file sent has %4; the local file is kept</source>
        <translation>O servidor tem bytes diferentes dos enviados (%1): seu %2 é %3, o arquivo enviado tem %4; o arquivo local é mantido</translation>
    </message>
</context>
<context>
    <name>RemoteNames</name>
    <message>
        <source>A name cannot contain “/” or line breaks, and cannot be “.” or “..”.</source>
        <translation>Um nome não pode conter “/” nem quebras de linha, e não pode ser “.” ou “..”.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 pasta</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
    <message>
        <source>Empty folder</source>
        <translation>Pasta vazia</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of a remote file, e.g. &quot;JPG File&quot;</extracomment>
        <translation>Arquivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n pasta</numerusform>
            <numerusform>%n pastas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SshKnownHosts</name>
    <message>
        <source>The server&apos;s host key changed: %1 no longer presents the key trusted in %2. The server may have been reinstalled, or someone may be intercepting the connection. If you expect the change, remove the line for %1 from that file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) and connect again.</source>
        <translation>A chave de host do servidor mudou: %1 não apresenta mais a chave confiável registrada em %2. O servidor pode ter sido reinstalado, ou alguém pode estar interceptando a conexão. Se você espera a mudança, remova a linha de %1 desse arquivo (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) e conecte de novo.</translation>
    </message>
    <message>
        <source>Trusted the SSH host key of %1 on first use: %2 %3. If this is not the server&apos;s key, remove its line from %4.</source>
        <translation>A chave de host SSH de %1 foi aceita no primeiro uso: %2 %3. Se esta não for a chave do servidor, remova a linha dela de %4.</translation>
    </message>
    <message>
        <source>The file of trusted SSH host keys %1 cannot be read or written, so no server key can be checked; make it readable and writable by you (or remove it) and connect again.</source>
        <translation>O arquivo de chaves de host SSH confiáveis %1 não pode ser lido nem gravado, então nenhuma chave de servidor pode ser verificada; torne-o legível e gravável por você (ou remova-o) e conecte novamente.</translation>
    </message>
</context>
<context>
    <name>StoredConnectionList</name>
    <message>
        <source>it holds a dictionary of numbers, not data</source>
        <translation>contém um dicionário de números, não dados</translation>
    </message>
    <message>
        <source>it holds a list of texts, not data</source>
        <translation>contém uma lista de textos, não dados</translation>
    </message>
    <message>
        <source>it holds a text or a number, not data</source>
        <translation>contém um texto ou um número, não dados</translation>
    </message>
    <message>
        <source>The connection list stored under &quot;%1&quot; cannot be read (%2), so no connections were loaded. A copy of it is kept under &quot;%3&quot; in %4; fix it there, or add the connections again.</source>
        <translation>A lista de conexões salva em &quot;%1&quot; não pode ser lida (%2), então nenhuma conexão foi carregada. Uma cópia foi guardada em &quot;%3&quot; em %4; corrija-a lá ou adicione as conexões novamente.</translation>
    </message>
</context>
<context>
    <name>UploadTask</name>
    <message>
        <source> (the server refused to make or open the folder %1)</source>
        <translation> (o servidor se recusou a criar ou abrir a pasta %1)</translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Não é possível remover %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ondrix is running (process %1).</source>
        <translation>O Ondrix está em execução (processo %1).</translation>
    </message>
    <message>
        <source>Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the settings window or in the preferences store (see the README).</source>
        <translation>Mantém pastas locais enviadas a servidores FTP, FTPS e SFTP. As conexões são configuradas na janela de configurações ou no armazenamento de preferências (veja o README).</translation>
    </message>
    <message>
        <source>Run without a tray icon or windows.</source>
        <translation>Executar sem ícone na bandeja e sem janelas.</translation>
    </message>
    <message>
        <source>Ondrix is already running for this user (process %1). Quit it first, or remove %2 if no Ondrix is running.</source>
        <translation>O Ondrix já está em execução para este usuário (processo %1). Feche-o primeiro ou remova %2 se nenhum Ondrix estiver em execução.</translation>
    </message>
    <message>
        <source>Stopping at once.</source>
        <translation>Parando imediatamente.</translation>
    </message>
    <message>
        <source>Stopping: waiting for running uploads to finish (signal again to quit at once).</source>
        <translation>Parando: aguardando o término dos envios em andamento (outro sinal encerra imediatamente).</translation>
    </message>
    <message>
        <source>No connections are set up, so nothing is uploaded. The README (section &quot;The preferences database&quot;) explains how to add one; `ondrix connections import FILE.json` adds them from a file.</source>
        <translation>Não há conexões configuradas, então nada é enviado. O README (seção &quot;The preferences database&quot;) explica como adicionar uma; `ondrix connections import FILE.json` adiciona conexões a partir de um arquivo.</translation>
    </message>
    <message>
        <source>Connections loaded: %1 (%2 enabled).</source>
        <translation>Conexões carregadas: %1 (%2 ativadas).</translation>
    </message>
    <message>
        <source>Bring the running Ondrix forward (its popover or window).</source>
        <translation>Trazer para a frente o Ondrix em execução (seu painel ou janela).</translation>
    </message>
    <message>
        <source>Cannot reach a running Ondrix: %1</source>
        <translation>Não é possível alcançar um Ondrix em execução: %1</translation>
    </message>
    <message>
        <source>Remote control is not available: %1</source>
        <translation>O controle remoto não está disponível: %1</translation>
    </message>
    <message>
        <source>Pause every connection of the running Ondrix.</source>
        <translation>Pausar todas as conexões do Ondrix em execução.</translation>
    </message>
    <message>
        <source>Resume every connection of the running Ondrix.</source>
        <translation>Retomar todas as conexões do Ondrix em execução.</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once.</source>
        <translation>Verificar novamente agora cada conexão ativa e tentar de novo os arquivos com falha.</translation>
    </message>
    <message>
        <source>Print one line per connection: name, state, files queued and uploading, last error.</source>
        <translation>Mostrar uma linha por conexão: nome, estado, arquivos na fila e sendo enviados, último erro.</translation>
    </message>
    <message>
        <source>The desktop interface cannot be loaded, so Ondrix runs without a tray icon or windows: %1</source>
        <translation>Não é possível carregar a interface de área de trabalho, então o Ondrix roda sem ícone na bandeja nem janelas: %1</translation>
    </message>
    <message>
        <source>With --status: print the state as one JSON document: per connection its state, pause reasons, counts, last success and last error; the version and uptime.</source>
        <translation>Com --status: mostra o estado como um único documento JSON: por conexão seu estado, motivos de pausa, contagens, último sucesso e último erro; a versão e o tempo em execução.</translation>
    </message>
    <message>
        <source>Keep Prometheus metrics in &lt;file&gt; (for node_exporter&apos;s textfile collector), written every 10 seconds and at stop.</source>
        <translation>Manter as métricas do Prometheus em &lt;file&gt; (para o coletor textfile do node_exporter), gravadas a cada 10 segundos e ao parar.</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json acompanha --status.</translation>
    </message>
</context>
<context>
    <name>ondrix::AboutView</name>
    <message>
        <source>Ondrix icon</source>
        <translation>Ícone do Ondrix</translation>
    </message>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de Privacidade</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Termos de Serviço</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
</context>
<context>
    <name>ondrix::ActivityList</name>
    <message>
        <source>ACTIVITY</source>
        <translation>ATIVIDADE</translation>
    </message>
    <message>
        <source>Monitoring — no transfers in progress</source>
        <translation>Monitorando — nenhuma transferência em andamento</translation>
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
        <translation>Abrir o Ondrix</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Sobre o Ondrix</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Ondrix Website</source>
        <translation>Site do Ondrix</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Falar com o suporte</translation>
    </message>
    <message>
        <source>Quit Ondrix</source>
        <translation>Sair do Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Settings</source>
        <translation>Configurações do Ondrix</translation>
    </message>
    <message>
        <source>Ondrix Log</source>
        <translation>Registro do Ondrix</translation>
    </message>
    <message>
        <source>Ondrix History</source>
        <translation>Histórico do Ondrix</translation>
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
        <translation>As configurações não podem ser salvas nesta execução; o arquivo de preferências não foi alterado: %1</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserFolderView</name>
    <message>
        <source>Go back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Pasta acima</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Conteúdo da pasta</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Rename selected item</source>
        <translation>Renomear o item selecionado</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Excluir os itens selecionados</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Não é possível mostrar esta pasta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>Não é possível listar %1: %2</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Remover etiqueta</translation>
    </message>
    <message>
        <source>Cannot Open</source>
        <translation>Não é possível abrir</translation>
    </message>
    <message>
        <source>Enter a name for the new folder at </source>
        <translation>Digite um nome para a nova pasta em </translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome da pasta</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Cannot Create Folder</source>
        <translation>Não é possível criar a pasta</translation>
    </message>
    <message>
        <source>Could not create the folder “%1”: %2</source>
        <translation>Não foi possível criar a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Não é possível renomear</translation>
    </message>
    <message>
        <source>Enter a new name for &apos;%1&apos;</source>
        <translation>Digite um novo nome para “%1”</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Novo nome</translation>
    </message>
    <message>
        <source>Could not rename “%1”: %2</source>
        <translation>Não foi possível renomear “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot Delete</source>
        <translation>Não é possível excluir</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Excluir “%1”?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Could not delete “%1”: %2</source>
        <translation>Não foi possível excluir “%1”: %2</translation>
    </message>
    <message>
        <source>A folder can only be deleted when it is empty.</source>
        <translation>Uma pasta só pode ser excluída quando está vazia.</translation>
    </message>
    <message>
        <source>Cannot Tag</source>
        <translation>Não é possível etiquetar</translation>
    </message>
    <message>
        <source>The server lists an entry named “%1”. Its name contains a line break, a NUL character or a “/”, or is “.” or “..”, so a command on it could act on another entry. Ondrix leaves it alone; rename or remove it with another program on the server.</source>
        <translation>O servidor lista uma entrada chamada “%1”. O nome dela contém uma quebra de linha, um caractere NUL ou uma “/”, ou é “.” ou “..”, então um comando sobre ela poderia agir em outra entrada. O Ondrix não mexe nela; renomeie-a ou remova-a com outro programa no servidor.</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items</source>
        <translation>
            <numerusform>Excluir %n item</numerusform>
            <numerusform>Excluir %n itens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items?</source>
        <translation>
            <numerusform>Excluir %n item?</numerusform>
            <numerusform>Excluir %n itens?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserStatePage</name>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserView</name>
    <message>
        <source>Connections</source>
        <translation>Conexões</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>Nenhuma conexão</translation>
    </message>
    <message>
        <source>Add a connection in the Connections tab first.</source>
        <translation>Adicione primeiro uma conexão na aba Conexões.</translation>
    </message>
    <message>
        <source>Select a connection</source>
        <translation>Selecione uma conexão</translation>
    </message>
    <message>
        <source>Choose a connection from the sidebar.</source>
        <translation>Escolha uma conexão na barra lateral.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEditView</name>
    <message>
        <source>Scroll the connection settings</source>
        <translation>Rolar as configurações da conexão</translation>
    </message>
    <message>
        <source>Scroll the connection settings sideways</source>
        <translation>Rolar as configurações da conexão na horizontal</translation>
    </message>
    <message>
        <source>This connection is locked. Click the lock to edit.</source>
        <translation>Esta conexão está bloqueada. Clique no cadeado para editar.</translation>
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
        <translation>Nenhuma pasta local configurada</translation>
    </message>
    <message>
        <source>Local folder not found: </source>
        <translation>Pasta local não encontrada: </translation>
    </message>
    <message>
        <source>Watching </source>
        <translation>Monitorando </translation>
    </message>
    <message>
        <source>Stability check (%1s): </source>
        <translation>Verificação de estabilidade (%1 s): </translation>
    </message>
    <message>
        <source>Skipped (already uploaded): </source>
        <translation>Ignorado (já enviado): </translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation>Na fila: </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Changed during the upload, kept to go up again: </source>
        <translation>Alterado durante o envio, mantido para ser enviado de novo: </translation>
    </message>
    <message>
        <source>Still being written, offered again later: </source>
        <translation>Ainda sendo gravado, será oferecido de novo mais tarde: </translation>
    </message>
    <message>
        <source>Upload cut short by the stop; it goes up at the next start: </source>
        <translation>Envio interrompido pela parada; será enviado na próxima inicialização: </translation>
    </message>
    <message>
        <source>Stopping: uploads still running after %1 s are cut short; they go up again at the next start</source>
        <translation>Parando: envios ainda em andamento após %1 s são interrompidos; serão enviados de novo na próxima inicialização</translation>
    </message>
    <message>
        <source>Skipped (exists on server): </source>
        <translation>Ignorado (existe no servidor): </translation>
    </message>
    <message>
        <source>Ondrix looks for it again every few seconds.</source>
        <translation>O Ondrix procura por ela de novo a cada poucos segundos.</translation>
    </message>
    <message>
        <source>The local folder was deleted or moved away: </source>
        <translation>A pasta local foi excluída ou movida: </translation>
    </message>
    <message>
        <source>Still open for writing, kept until its writer is done: </source>
        <translation>Ainda aberto para gravação; mantido até que o programa que o grava termine: </translation>
    </message>
    <message>
        <source>Resumed at %1 of %2: </source>
        <translation>Retomado em %1 de %2: </translation>
    </message>
    <message>
        <source>Resuming was not possible, sent whole: </source>
        <translation>Não foi possível retomar; enviado inteiro: </translation>
    </message>
    <message>
        <source>The local folder %1 cannot be opened without following a symbolic link (%2); nothing in it is uploaded</source>
        <translation>A pasta local %1 não pode ser aberta sem seguir um link simbólico (%2); nada nela é enviado</translation>
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
        <translation>Modo mover: os arquivos locais são removidos após o envio.</translation>
    </message>
    <message>
        <source>Copy mode: local files are kept after upload.</source>
        <translation>Modo copiar: os arquivos locais são mantidos após o envio.</translation>
    </message>
    <message>
        <source>The script receives the local file path as the first argument.</source>
        <translation>O script recebe o caminho do arquivo local como primeiro argumento.</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name or IP address.</source>
        <translation>Digite o nome do host ou o endereço IP do servidor.</translation>
    </message>
    <message>
        <source>Enter the host name alone, without &quot;ftp://&quot; or &quot;sftp://&quot;; choose the protocol above.</source>
        <translation>Digite apenas o nome do host, sem &quot;ftp://&quot; ou &quot;sftp://&quot;; escolha o protocolo acima.</translation>
    </message>
    <message>
        <source>A host name cannot contain spaces or &quot;/&quot;. Put the folder under Remote Folder.</source>
        <translation>Um nome de host não pode conter espaços nem &quot;/&quot;. Coloque a pasta em Pasta remota.</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535 (FTP and FTPS usually use 21, SFTP 22).</source>
        <translation>A porta precisa ser um número inteiro de 1 a 65535 (FTP e FTPS costumam usar 21, SFTP 22).</translation>
    </message>
    <message>
        <source>This folder does not exist. Create it again or choose another folder.</source>
        <translation>Esta pasta não existe. Crie-a novamente ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>This is a file, not a folder. Choose a folder.</source>
        <translation>Isto é um arquivo, não uma pasta. Escolha uma pasta.</translation>
    </message>
    <message>
        <source>This folder cannot be read. Check its permissions (chmod u+rx) or choose another folder.</source>
        <translation>Esta pasta não pode ser lida. Verifique as permissões dela (chmod u+rx) ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>The remote path cannot contain a line break. The last path without one is kept.</source>
        <translation>O caminho remoto não pode conter quebras de linha. O último caminho sem quebra de linha é mantido.</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Pasta local</translation>
    </message>
    <message>
        <source>Required: </source>
        <translation>Obrigatório: </translation>
    </message>
    <message>
        <source>Port %1 is usually FTP; SFTP servers usually listen on %2.</source>
        <translation>A porta %1 costuma ser FTP; servidores SFTP costumam escutar na %2.</translation>
    </message>
    <message>
        <source>Port %1 is usually SFTP; FTP and FTPS servers usually listen on %2.</source>
        <translation>A porta %1 costuma ser SFTP; servidores FTP e FTPS costumam escutar na %2.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is deleted only once every connection that takes it has uploaded it.</source>
        <translation>Também monitorada por %1: um arquivo só é excluído depois que todas as conexões que o pegam o enviaram.</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is moved to the archive only once every connection that takes it has uploaded it.</source>
        <translation>Também monitorada por %1: um arquivo só é movido para o arquivo morto depois que todas as conexões que o pegam o enviaram.</translation>
    </message>
    <message>
        <source>Also watched by %1: the script runs for a file only once every connection that takes it has uploaded it.</source>
        <translation>Também monitorada por %1: o script só é executado para um arquivo depois que todas as conexões que o pegam o enviaram.</translation>
    </message>
    <message>
        <source>Also watched by %1: deleting, archiving or a script set on any of them waits until every connection that takes the file has uploaded it.</source>
        <translation>Também monitorada por %1: excluir, arquivar ou um script definido em qualquer uma delas espera até que todas as conexões que pegam o arquivo o tenham enviado.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRow</name>
    <message>
        <source>Enable connection</source>
        <translation>Ativar conexão</translation>
    </message>
    <message>
        <source>Schedule enabled</source>
        <translation>Agenda ativada</translation>
    </message>
    <message>
        <source>Open watched folder</source>
        <translation>Abrir a pasta monitorada</translation>
    </message>
    <message>
        <source>simultaneous uploads</source>
        <translation>envios simultâneos</translation>
    </message>
    <message>
        <source>stability check</source>
        <translation>verificação de estabilidade</translation>
    </message>
    <message>
        <source>Keyword preset</source>
        <translation>Predefinição de palavras-chave</translation>
    </message>
    <message>
        <source>Disable connection</source>
        <translation>Desativar conexão</translation>
    </message>
    <message>
        <source>Simultaneous uploads: </source>
        <translation>Envios simultâneos: </translation>
    </message>
    <message>
        <source>Stability check: </source>
        <translation>Verificação de estabilidade: </translation>
    </message>
    <message>
        <source>Keyword preset: </source>
        <translation>Predefinição de palavras-chave: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>Editar conexão</translation>
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
        <translation>CONEXÕES</translation>
    </message>
    <message>
        <source>No connections configured</source>
        <translation>Nenhuma conexão configurada</translation>
    </message>
    <message>
        <source>Add Connection</source>
        <translation>Adicionar conexão</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowView</name>
    <message>
        <source>Disable connection</source>
        <translation>Desativar conexão</translation>
    </message>
    <message>
        <source>Enable connection</source>
        <translation>Ativar conexão</translation>
    </message>
    <message>
        <source>Unlock connection</source>
        <translation>Desbloquear conexão</translation>
    </message>
    <message>
        <source>Lock connection</source>
        <translation>Bloquear conexão</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSecrets</name>
    <message>
        <source>no keyring is running in this session</source>
        <translation>nenhum chaveiro está em execução nesta sessão</translation>
    </message>
    <message numerus="yes">
        <source>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</source>
        <translation>
            <numerusform>A senha de %n conexão está no chaveiro, mas nenhum chaveiro está em execução, então ela aguarda. Inicie um ou forneça a senha como credencial do systemd.</numerusform>
            <numerusform>As senhas de %n conexões estão no chaveiro, mas nenhum chaveiro está em execução, então elas aguardam. Inicie um ou forneça as senhas como credenciais do systemd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring to give out the password.</source>
        <translation>Aguardando o chaveiro fornecer a senha.</translation>
    </message>
    <message>
        <source>The password is in the keyring, which does not give it out yet: %1</source>
        <translation>A senha está no chaveiro, que ainda não a fornece: %1</translation>
    </message>
    <message>
        <source>The keyring no longer holds the password of &quot;%1&quot;; enter it again in the connection&apos;s settings.</source>
        <translation>O chaveiro não guarda mais a senha de “%1”; digite-a novamente nas configurações da conexão.</translation>
    </message>
    <message>
        <source>the keyring did not give the password back</source>
        <translation>o chaveiro não devolveu a senha</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n passwords from the preferences database to the keyring.</source>
        <translation>
            <numerusform>%n senha movida do banco de dados de preferências para o chaveiro.</numerusform>
            <numerusform>%n senhas movidas do banco de dados de preferências para o chaveiro.</numerusform>
        </translation>
    </message>
    <message>
        <source>The keyring does not give out or take passwords (%1). Connections whose password is in it wait until it does: unlock the keyring, or enter their passwords again.</source>
        <translation>O chaveiro não fornece nem aceita senhas (%1). As conexões cuja senha está nele aguardam até que o faça: desbloqueie o chaveiro ou digite as senhas novamente.</translation>
    </message>
    <message>
        <source>No keyring was found, so passwords are stored in the preferences database (%1), which only you can read.</source>
        <translation>Nenhum chaveiro foi encontrado, então as senhas ficam no banco de dados de preferências (%1), que só você pode ler.</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSection</name>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>My Server</source>
        <translation>Meu servidor</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativada</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>Use the usual port</source>
        <translation>Usar a porta habitual</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Choose private key</source>
        <translation>Escolher chave privada</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear private key</source>
        <translation>Limpar a chave privada</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>Chave privada</translation>
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
        <translation>Usar a porta %1</translation>
    </message>
    <message>
        <source>None (password login)</source>
        <translation>Nenhuma (login com senha)</translation>
    </message>
    <message>
        <source>Choose the SSH private key</source>
        <translation>Escolha a chave privada SSH</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionTestArea</name>
    <message>
        <source>Test Connection</source>
        <translation>Testar conexão</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Testando…</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message>
        <source>One or more connections have errors</source>
        <translation>Uma ou mais conexões têm erros</translation>
    </message>
    <message>
        <source>Ondrix is uploading files</source>
        <translation>O Ondrix está enviando arquivos</translation>
    </message>
    <message>
        <source>System going to sleep — pausing all connections</source>
        <translation>Sistema entrando em suspensão — pausando todas as conexões</translation>
    </message>
    <message>
        <source>System woke up — resuming connections</source>
        <translation>Sistema retomado — retomando as conexões</translation>
    </message>
    <message numerus="yes">
        <source>Upload Now: rescanning %n connections</source>
        <translation>
            <numerusform>Enviar agora: verificando novamente %n conexão</numerusform>
            <numerusform>Enviar agora: verificando novamente %n conexões</numerusform>
        </translation>
    </message>
    <message>
        <source>System woke up — connections stay paused (%1)</source>
        <translation>O sistema despertou — as conexões continuam pausadas (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsSettingsView</name>
    <message>
        <source>Select a connection or add a new one.</source>
        <translation>Selecione uma conexão ou adicione uma nova.</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Conexões</translation>
    </message>
    <message>
        <source>Add connection</source>
        <translation>Adicionar conexão</translation>
    </message>
    <message>
        <source>Delete connection</source>
        <translation>Excluir conexão</translation>
    </message>
    <message>
        <source> Copy</source>
        <translation> (cópia)</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>Excluir “%1”?</translation>
    </message>
    <message>
        <source>Delete this connection?</source>
        <translation>Excluir esta conexão?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
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
        <translation>Pouco espaço em disco: %1 GB livres em %2, abaixo do mínimo de %3 GB.</translation>
    </message>
    <message>
        <source>Paused until there is room again (their uploads do not free space): %1</source>
        <translation>Pausadas até haver espaço de novo (os envios delas não liberam espaço): %1</translation>
    </message>
    <message>
        <source>Disk space is back: %1 GB free on %2; connections paused for it resume.</source>
        <translation>O espaço em disco voltou: %1 GB livres em %2; as conexões pausadas por isso são retomadas.</translation>
    </message>
    <message>
        <source>Ondrix: Low disk space</source>
        <translation>Ondrix: pouco espaço em disco</translation>
    </message>
    <message>
        <source>Ondrix: Disk space is back</source>
        <translation>Ondrix: o espaço em disco voltou</translation>
    </message>
</context>
<context>
    <name>ondrix::ExtensionFilterView</name>
    <message>
        <source>File Types</source>
        <translation>Tipos de arquivo</translation>
    </message>
    <message>
        <source>Extension preset</source>
        <translation>Predefinição de extensões</translation>
    </message>
    <message>
        <source>Reset to preset</source>
        <comment>ext.reset.button</comment>
        <translation>Voltar à predefinição</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <translation>%1 (excluídas)</translation>
    </message>
    <message>
        <source>Ticked extensions are never uploaded.</source>
        <translation>As extensões marcadas nunca são enviadas.</translation>
    </message>
    <message>
        <source>Only upload</source>
        <translation>Enviar somente</translation>
    </message>
    <message>
        <source>every extension</source>
        <translation>todas as extensões</translation>
    </message>
    <message>
        <source>Never upload</source>
        <translation>Nunca enviar</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nada excluído</translation>
    </message>
    <message>
        <source>Upload them</source>
        <comment>ext.unspecified.download</comment>
        <translation>Enviá-los</translation>
    </message>
    <message>
        <source>Ignore them</source>
        <comment>ext.unspecified.ignore</comment>
        <translation>Ignorá-los</translation>
    </message>
    <message>
        <source>Files with unlisted extensions:</source>
        <comment>ext.unspecified.label</comment>
        <translation>Arquivos com extensões não listadas:</translation>
    </message>
</context>
<context>
    <name>ondrix::GeneralSettingsTab</name>
    <message>
        <source>Scroll the general settings</source>
        <translation>Rolar as configurações gerais</translation>
    </message>
    <message>
        <source>Scroll the general settings sideways</source>
        <translation>Rolar as configurações gerais na horizontal</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Launch Ondrix when I log in</source>
        <translation>Iniciar o Ondrix quando eu entrar na sessão</translation>
    </message>
    <message>
        <source>Always show in the taskbar</source>
        <translation>Sempre mostrar na barra de tarefas</translation>
    </message>
    <message>
        <source>When disabled, Ondrix only appears in the taskbar while one of its windows is open.</source>
        <translation>Quando desativado, o Ondrix só aparece na barra de tarefas enquanto uma de suas janelas está aberta.</translation>
    </message>
    <message>
        <source>Sleep Behavior</source>
        <translation>Suspensão</translation>
    </message>
    <message>
        <source>Prevent sleep during uploads</source>
        <translation>Impedir a suspensão durante os envios</translation>
    </message>
    <message>
        <source>Sleep is only prevented while files are actively uploading. Normal sleep resumes when idle.</source>
        <translation>A suspensão só é impedida enquanto arquivos estão sendo enviados. A suspensão normal volta quando ocioso.</translation>
    </message>
    <message>
        <source>Pause and resume on wake</source>
        <translation>Pausar e retomar ao despertar</translation>
    </message>
    <message>
        <source>If the computer sleeps anyway (battery, lid close), transfers will pause and resume automatically on wake.</source>
        <translation>Se o computador entrar em suspensão mesmo assim (bateria, tampa fechada), as transferências são pausadas e retomadas automaticamente ao despertar.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Pause when on mobile hotspot</source>
        <translation>Pausar em hotspot móvel</translation>
    </message>
    <message>
        <source>Pause when internet is unavailable</source>
        <translation>Pausar quando a internet estiver indisponível</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>Espaço em disco</translation>
    </message>
    <message>
        <source>Warn and pause if disk space is low</source>
        <translation>Avisar e pausar se o espaço em disco estiver baixo</translation>
    </message>
    <message>
        <source>Minimum free space</source>
        <translation>Espaço livre mínimo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Color theme</source>
        <translation>Tema de cores</translation>
    </message>
    <message>
        <source>App color</source>
        <translation>Cor do app</translation>
    </message>
    <message>
        <source>System color</source>
        <translation>Cor do sistema</translation>
    </message>
    <message>
        <source>App color uses Ondrix&apos;s signature purple for selections, switches and links in its windows, so they are easy to recognise. System color follows your desktop&apos;s accent color.</source>
        <translation>A cor do app usa o roxo característico do Ondrix nas seleções, chaves e links de suas janelas, para que sejam fáceis de reconhecer. A cor do sistema segue a cor de destaque da sua área de trabalho.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Restart Ondrix to apply the language change.</source>
        <translation>Reinicie o Ondrix para aplicar a mudança de idioma.</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitoramento</translation>
    </message>
    <message>
        <source>Metrics file</source>
        <translation>Arquivo de métricas</translation>
    </message>
    <message>
        <source>Ondrix keeps its counters in this file in Prometheus text format, rewritten every 10 seconds. Leave it empty to write none.</source>
        <translation>O Ondrix grava seus contadores neste arquivo no formato de texto do Prometheus, a cada 10 segundos. Deixe vazio para não gravar nenhum.</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryListModel</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryView</name>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>No upload history.</source>
        <translation>Nenhum histórico de envios.</translation>
    </message>
    <message>
        <source>Upload History</source>
        <translation>Histórico de envios</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Pesquisar…</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Pesquisar no histórico</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Limpar a pesquisa</translation>
    </message>
    <message>
        <source>Clear the whole history</source>
        <translation>Limpar todo o histórico</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>Envios</translation>
    </message>
</context>
<context>
    <name>ondrix::InlineStepper</name>
    <message>
        <source>Decrease %1</source>
        <translation>Diminuir %1</translation>
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
        <translation>O Ondrix não consegue monitorar %1 em busca de novos arquivos: o limite do sistema de instâncias do inotify por usuário (fs.inotify.max_user_instances = %2) foi atingido. Novos arquivos só são encontrados pela varredura periódica da pasta. Para aumentar o limite, execute: sudo sysctl fs.inotify.max_user_instances=1024 (para mantê-lo, adicione essa configuração a um arquivo em /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Some file changes below %1 were missed because the system&apos;s queue of file events overflowed (fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Algumas alterações de arquivos em %1 foram perdidas porque a fila de eventos de arquivos do sistema transbordou (fs.inotify.max_queued_events = %2); a varredura periódica da pasta as encontra. Se isso acontecer com frequência, aumente o limite: sudo sysctl fs.inotify.max_queued_events=65536 (para mantê-lo, adicione essa configuração a um arquivo em /etc/sysctl.d/).</translation>
    </message>
    <message>
        <source>Not every folder below %1 can be watched: the limit of %2 inotify watches per user (fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Nem todas as pastas em %1 podem ser monitoradas: o limite de %2 monitoramentos do inotify por usuário (fs.inotify.max_user_watches) foi atingido. Novos arquivos nas pastas sem monitoramento só são encontrados pela varredura periódica da pasta. Para aumentar o limite, execute: sudo sysctl fs.inotify.max_user_watches=524288 (para mantê-lo, adicione essa configuração a um arquivo em /etc/sysctl.d/).</translation>
    </message>
</context>
<context>
    <name>ondrix::IptcPresetsSection</name>
    <message>
        <source>IPTC presets (*.ondrix-keywords *.json)</source>
        <translation>Predefinições IPTC (*.ondrix-keywords *.json)</translation>
    </message>
    <message>
        <source>IPTC Presets</source>
        <translation>Predefinições IPTC</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import IPTC presets</source>
        <translation>Importar predefinições IPTC</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export IPTC presets</source>
        <translation>Exportar predefinições IPTC</translation>
    </message>
    <message>
        <source>Enable IPTC presets</source>
        <translation>Ativar predefinições IPTC</translation>
    </message>
    <message>
        <source>Active preset</source>
        <translation>Predefinição ativa</translation>
    </message>
    <message>
        <source>Each preset can contain multiple IPTC keywords separated by commas. Switch presets to quickly change which keywords are injected before uploading.</source>
        <translation>Cada predefinição pode conter várias palavras-chave IPTC separadas por vírgulas. Troque de predefinição para mudar rapidamente quais palavras-chave são inseridas antes do envio.</translation>
    </message>
    <message>
        <source>New preset</source>
        <translation>Nova predefinição</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>Nome da predefinição</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>Remover predefinição</translation>
    </message>
    <message>
        <source>Export IPTC Presets</source>
        <translation>Exportar predefinições IPTC</translation>
    </message>
    <message>
        <source>The presets could not be written to %1: %2. Choose a folder you can write to.</source>
        <translation>Não foi possível gravar as predefinições em %1: %2. Escolha uma pasta em que você possa gravar.</translation>
    </message>
    <message>
        <source>Import IPTC Presets</source>
        <translation>Importar predefinições IPTC</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>Não foi possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not an IPTC presets file, so nothing was imported. %2</source>
        <translation>%1 não é um arquivo de predefinições IPTC, então nada foi importado. %2</translation>
    </message>
</context>
<context>
    <name>ondrix::LocalFolderSection</name>
    <message>
        <source>Local Folder</source>
        <translation>Pasta local</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Choose local folder</source>
        <translation>Escolher pasta local</translation>
    </message>
    <message>
        <source>Monitor subfolders recursively</source>
        <translation>Monitorar subpastas recursivamente</translation>
    </message>
    <message>
        <source>Select the folder to watch for new files</source>
        <translation>Selecione a pasta a ser monitorada para novos arquivos</translation>
    </message>
</context>
<context>
    <name>ondrix::LogView</name>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <source>No log entries yet.</source>
        <translation>Nenhuma entrada no registro ainda.</translation>
    </message>
    <message>
        <source>Sync Log</source>
        <translation>Registro de sincronização</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Limpar o registro</translation>
    </message>
    <message>
        <source>Copy the whole log</source>
        <translation>Copiar todo o registro</translation>
    </message>
    <message>
        <source>Log entries</source>
        <translation>Entradas do registro</translation>
    </message>
</context>
<context>
    <name>ondrix::LogindPowerMonitor</name>
    <message>
        <source>Pausing uploads before the system sleeps</source>
        <translation>Pausando os envios antes de o sistema entrar em suspensão</translation>
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
        <translation>Rolar a visão geral</translation>
    </message>
    <message>
        <source>Scroll the overview sideways</source>
        <translation>Rolar a visão geral na horizontal</translation>
    </message>
</context>
<context>
    <name>ondrix::MetricsFile</name>
    <message>
        <source>The metrics file %1 cannot be written: %2</source>
        <translation>Não é possível gravar o arquivo de métricas %1: %2</translation>
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
        <translation>Ondrix: 1 arquivo enviado</translation>
    </message>
    <message>
        <source>...and %1 more</source>
        <translation>…e mais %1</translation>
    </message>
    <message>
        <source>Ondrix: Upload failed</source>
        <translation>Ondrix: falha no envio</translation>
    </message>
    <message numerus="yes">
        <source>Ondrix: %n files uploaded</source>
        <translation>
            <numerusform>Ondrix: %n arquivo enviado</numerusform>
            <numerusform>Ondrix: %n arquivos enviados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationsSettingsTab</name>
    <message>
        <source>Scroll the notification settings</source>
        <translation>Rolar as configurações de notificações</translation>
    </message>
    <message>
        <source>Scroll the notification settings sideways</source>
        <translation>Rolar as configurações de notificações na horizontal</translation>
    </message>
    <message>
        <source>Upload Notifications</source>
        <translation>Notificações de envio</translation>
    </message>
    <message>
        <source>Notify when uploads complete</source>
        <translation>Notificar quando os envios terminarem</translation>
    </message>
    <message>
        <source>Group notifications (summary instead of file list)</source>
        <translation>Agrupar notificações (resumo em vez da lista de arquivos)</translation>
    </message>
    <message>
        <source>Error Notifications</source>
        <translation>Notificações de erro</translation>
    </message>
    <message>
        <source>Notify on connection errors</source>
        <translation>Notificar erros de conexão</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Play sound on upload</source>
        <translation>Tocar som ao enviar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Preview the sound</source>
        <translation>Ouvir o som</translation>
    </message>
    <message>
        <source>Schedule Notifications</source>
        <translation>Notificações da agenda</translation>
    </message>
    <message>
        <source>Notify when connections pause/resume by schedule</source>
        <translation>Notificar quando conexões pausarem ou retomarem pela agenda</translation>
    </message>
    <message numerus="yes">
        <source>Only if %n or more files</source>
        <translation>
            <numerusform>Somente se for %n ou mais arquivos</numerusform>
            <numerusform>Somente se forem %n ou mais arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>After 1 failure</source>
        <translation>Após 1 falha</translation>
    </message>
    <message numerus="yes">
        <source>After %n consecutive failures</source>
        <translation>
            <numerusform>Após %n falha</numerusform>
            <numerusform>Após %n falhas seguidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::PauseReasons</name>
    <message>
        <source>by you</source>
        <translation>por você</translation>
    </message>
    <message>
        <source>the computer sleeps</source>
        <translation>o computador está em repouso</translation>
    </message>
    <message>
        <source>no network</source>
        <translation>sem rede</translation>
    </message>
    <message>
        <source>metered network</source>
        <translation>rede limitada</translation>
    </message>
    <message>
        <source>low disk space</source>
        <translation>pouco espaço em disco</translation>
    </message>
    <message>
        <source>outside the scheduled hours</source>
        <translation>fora do horário programado</translation>
    </message>
    <message>
        <source>Paused (%1)</source>
        <extracomment>The reasons are joined by commas, such as &quot;by you, no network&quot;.</extracomment>
        <translation>Pausado (%1)</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverControls</name>
    <message>
        <source>Upload Now</source>
        <translation>Enviar agora</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once</source>
        <translation>Verificar de novo agora cada conexão em execução e tentar imediatamente os arquivos que falharam</translation>
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
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverFooter</name>
    <message>
        <source>History...</source>
        <translation>Histórico…</translation>
    </message>
    <message>
        <source>Log...</source>
        <translation>Registro…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Sobre o Ondrix</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
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
        <translation>ESTATÍSTICAS</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde o início</translation>
    </message>
    <message>
        <source>Last activity: </source>
        <translation>Última atividade: </translation>
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
        <translation>Ação após o envio</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Move to archive folder</source>
        <translation>Mover para a pasta de arquivo morto</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>Executar script</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Choose archive folder or script</source>
        <translation>Escolher pasta de arquivo morto ou script</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Escolha a pasta de arquivo morto</translation>
    </message>
    <message>
        <source>Choose the script to run</source>
        <translation>Escolha o script a executar</translation>
    </message>
</context>
<context>
    <name>ondrix::RecentUploadsList</name>
    <message>
        <source>RECENT</source>
        <translation>RECENTES</translation>
    </message>
    <message>
        <source>No recent uploads</source>
        <translation>Nenhum envio recente</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteControlService</name>
    <message>
        <source>no session bus</source>
        <translation>nenhum barramento de sessão</translation>
    </message>
    <message>
        <source>another instance owns %1</source>
        <translation>outra instância já detém %1</translation>
    </message>
    <message>
        <source>The running Ondrix has no windows (it runs headless); %1 does nothing.</source>
        <translation>O Ondrix em execução não tem janelas (roda sem interface); %1 não faz nada.</translation>
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
        <translation>Selecionar esta pasta</translation>
    </message>
    <message>
        <source>Choose Remote Folder</source>
        <translation>Escolher pasta remota</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>Pasta acima</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>No subfolders</source>
        <translation>Nenhuma subpasta</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>Não é possível mostrar esta pasta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>The server lists a folder named “%1”, which cannot be opened safely.</source>
        <translation>O servidor lista uma pasta chamada “%1”, que não pode ser aberta com segurança.</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderSection</name>
    <message>
        <source>Remote Folder</source>
        <translation>Pasta remota</translation>
    </message>
    <message>
        <source>Remote path</source>
        <translation>Caminho remoto</translation>
    </message>
    <message>
        <source>/uploads/photos</source>
        <translation>/envios/fotos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Browse remote folders</source>
        <translation>Procurar pastas remotas</translation>
    </message>
    <message>
        <source>Preserve subfolder structure on server</source>
        <translation>Manter a estrutura de subpastas no servidor</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteItemModel</name>
    <message>
        <source>%1 — the server sent a name that cannot be used safely</source>
        <translation>%1 — o servidor enviou um nome que não pode ser usado com segurança</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
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
        <translation>Ir para %1</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSection</name>
    <message>
        <source>Schedule</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Upload only during scheduled hours</source>
        <translation>Enviar somente nos horários agendados</translation>
    </message>
    <message>
        <source>One hour earlier: %1</source>
        <translation>Uma hora antes: %1</translation>
    </message>
    <message>
        <source>One hour later: %1</source>
        <translation>Uma hora depois: %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>início</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fim</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Das</translation>
    </message>
    <message>
        <source>to</source>
        <translation>às</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSupervisor</name>
    <message>
        <source>Paused: outside its scheduled hours (%1)</source>
        <translation>Pausada: fora do horário agendado (%1)</translation>
    </message>
    <message>
        <source>Resumed: within its scheduled hours (%1)</source>
        <translation>Retomada: dentro do horário agendado (%1)</translation>
    </message>
    <message>
        <source>Ondrix: %1 paused</source>
        <translation>Ondrix: %1 pausada</translation>
    </message>
    <message>
        <source>Ondrix: %1 resumed</source>
        <translation>Ondrix: %1 retomada</translation>
    </message>
</context>
<context>
    <name>ondrix::SettingsView</name>
    <message>
        <source>Settings sections</source>
        <translation>Seções das configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Conexões</translation>
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
        <translation>1 arquivo (%1)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>agora mesmo</translation>
    </message>
    <message>
        <source>%1s ago</source>
        <translation>há %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>há %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>há %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>há %1 d</translation>
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
            <numerusform>%n arquivo (%1)</numerusform>
            <numerusform>%n arquivos (%1)</numerusform>
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
        <translation>Ondrix — pausado</translation>
    </message>
    <message>
        <source>Ondrix — uploading</source>
        <translation>Ondrix — enviando</translation>
    </message>
    <message>
        <source>Ondrix — checking new files</source>
        <translation>Ondrix — verificando novos arquivos</translation>
    </message>
    <message>
        <source>Ondrix — error: %1</source>
        <translation>Ondrix — erro: %1</translation>
    </message>
    <message>
        <source>Ondrix — watching folders</source>
        <translation>Ondrix — monitorando pastas</translation>
    </message>
</context>
<context>
    <name>ondrix::TagsSection</name>
    <message>
        <source>File Manager Tags</source>
        <translation>Etiquetas do gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Tag files by upload status</source>
        <translation>Etiquetar arquivos pelo status do envio</translation>
    </message>
    <message>
        <source>Files in the watched folder will be tagged in the file manager:</source>
        <translation>Os arquivos da pasta monitorada serão etiquetados no gerenciador de arquivos:</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Pendente</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>ondrix::TransferSection</name>
    <message>
        <source>Sync &amp;&amp; Transfer</source>
        <translation>Sincronização &amp;&amp; transferência</translation>
    </message>
    <message>
        <source>Stability check</source>
        <translation>Verificação de estabilidade</translation>
    </message>
    <message>
        <source>Wait this long after the last file write before uploading.</source>
        <translation>Aguardar este tempo após a última gravação no arquivo antes de enviá-lo.</translation>
    </message>
    <message>
        <source>Simultaneous uploads</source>
        <translation>Envios simultâneos</translation>
    </message>
    <message>
        <source>Delete local file after successful upload</source>
        <translation>Excluir o arquivo local após um envio bem-sucedido</translation>
    </message>
    <message>
        <source>Conflict resolution</source>
        <translation>Resolução de conflitos</translation>
    </message>
    <message>
        <source>Upload under a temporary name, then rename</source>
        <translation>Enviar com um nome temporário e depois renomear</translation>
    </message>
    <message>
        <source>The file arrives as a hidden name in the target folder and gets its real name once complete, so nothing watching the server sees half a file.</source>
        <translation>O arquivo chega com um nome oculto na pasta de destino e recebe o nome real quando estiver completo, assim nada que observe o servidor vê um arquivo pela metade.</translation>
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
        <translation>a resposta não contém versão</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>Não foi possível verificar atualizações</translation>
    </message>
    <message>
        <source>%1. Check the internet connection and try again later.</source>
        <translation>%1. Verifique a conexão com a internet e tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Download: %1</source>
        <translation>Download: %1</translation>
    </message>
    <message>
        <source>Ondrix %1 is available</source>
        <translation>Ondrix %1 está disponível</translation>
    </message>
    <message>
        <source>Ondrix is up to date</source>
        <translation>O Ondrix está atualizado</translation>
    </message>
    <message>
        <source>Version %1 is the newest.</source>
        <translation>A versão %1 é a mais recente.</translation>
    </message>
    <message>
        <source>the answer is larger than a feed can be</source>
        <translation>a resposta é maior do que um feed pode ser</translation>
    </message>
</context>
</TS>
