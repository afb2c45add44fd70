<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ConnectionsCommand</name>
    <message numerus="yes">
        <source>Imported %n connection(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: ondrix connections list
       ondrix connections export [--with-passwords] &gt; connections.json
       ondrix connections import connections.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Ondrix first, or change the connections in its settings window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored connection list cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connections.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not imported, nothing changed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored connection list cannot be read (%1); nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 replaced).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurlHandle</name>
    <message>
        <source> (active mode does not work with FTPS; use passive mode)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurlTransferClient</name>
    <message>
        <source>The remote path contains a line break or NUL character and was not sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTPError</name>
    <message>
        <source>Connection failed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote path not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer failed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>curl error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PushConnection</name>
    <message>
        <source>Passive (recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename (add suffix)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip (keep existing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Connection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SshKnownHosts</name>
    <message>
        <source>The server&apos;s host key changed: %1 no longer presents the key trusted in %2. The server may have been reinstalled, or someone may be intercepting the connection. If you expect the change, remove the line for %1 from that file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) and connect again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ondrix is running (process %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the settings window or in the preferences store (see the README).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run without a tray icon or windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tray interface is not part of this build yet; running headless.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondrix is already running for this user (process %1). Quit it first, or remove %2 if no Ondrix is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping: waiting for running uploads to finish (signal again to quit at once).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEngine</name>
    <message>
        <source>No local folder configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local folder not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability check (%1s): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped (already uploaded): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message>
        <source>One or more connections have errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondrix is uploading files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System going to sleep — pausing all connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System woke up — resuming connections</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ondrix::InotifyFileEventSource</name>
    <message>
        <source>Ondrix cannot watch %1 for new files: the system&apos;s limit of inotify instances per user (fs.inotify.max_user_instances = %2) is reached. New files are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_instances=1024 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some file changes below %1 were missed because the system&apos;s queue of file events overflowed (fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every folder below %1 can be watched: the limit of %2 inotify watches per user (fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationService</name>
    <message>
        <source>Ondrix: 1 file uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondrix: %1 files uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondrix: Upload failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ondrix::StatsService</name>
    <message>
        <source>1 file (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1s ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
