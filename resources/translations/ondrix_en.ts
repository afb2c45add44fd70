<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ConnectionsCommand</name>
    <message numerus="yes">
        <source>Imported %n connections</source>
        <translation>
            <numerusform>Imported %n connection</numerusform>
            <numerusform>Imported %n connections</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n replaced).</source>
        <translation>
            <numerusform> (%n replaced).</numerusform>
            <numerusform> (%n replaced).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FailureNotices</name>
    <message numerus="yes">
        <source>%1 (failed %n times in a row)</source>
        <translation>
            <numerusform>%1 (failed %n time in a row)</numerusform>
            <numerusform>%1 (failed %n times in a row)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuBarPresentation</name>
    <message numerus="yes">
        <source>%n active connections</source>
        <translation>
            <numerusform>%n active connection</numerusform>
            <numerusform>%n active connections</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n files</source>
        <translation>
            <numerusform>Uploading %n file</numerusform>
            <numerusform>Uploading %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n more uploading...</source>
        <translation>
            <numerusform>+%n more uploading...</numerusform>
            <numerusform>+%n more uploading...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n connections have errors</source>
        <translation>
            <numerusform>%n connection has an error</numerusform>
            <numerusform>%n connections have errors</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemoteDelivery</name>
    <message numerus="yes">
        <source>holds %1 bytes</source>
        <translation>
            <numerusform>holds %1 byte</numerusform>
            <numerusform>holds %1 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</source>
        <translation>
            <numerusform>The server reported success but %1 where %2 byte was sent (%3); the local file is kept</numerusform>
            <numerusform>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemoteNames</name>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n folder</numerusform>
            <numerusform>%n folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserFolderView</name>
    <message numerus="yes">
        <source>Delete %n items</source>
        <translation>
            <numerusform>Delete %n item</numerusform>
            <numerusform>Delete %n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items?</source>
        <translation>
            <numerusform>Delete %n item?</numerusform>
            <numerusform>Delete %n items?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSecrets</name>
    <message numerus="yes">
        <source>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</source>
        <translation>
            <numerusform>The password of %n connection is in the keyring, but no keyring is running, so it waits. Start one, or give the password as a systemd credential.</numerusform>
            <numerusform>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n passwords from the preferences database to the keyring.</source>
        <translation>
            <numerusform>Moved %n password from the preferences database to the keyring.</numerusform>
            <numerusform>Moved %n passwords from the preferences database to the keyring.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message numerus="yes">
        <source>Upload Now: rescanning %n connections</source>
        <translation>
            <numerusform>Upload Now: rescanning %n connection</numerusform>
            <numerusform>Upload Now: rescanning %n connections</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationService</name>
    <message numerus="yes">
        <source>Ondrix: %n files uploaded</source>
        <translation>
            <numerusform>Ondrix: %n file uploaded</numerusform>
            <numerusform>Ondrix: %n files uploaded</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationsSettingsTab</name>
    <message numerus="yes">
        <source>Only if %n or more files</source>
        <translation>
            <numerusform>Only if %n or more files</numerusform>
            <numerusform>Only if %n or more files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>After %n consecutive failures</source>
        <translation>
            <numerusform>After %n consecutive failure</numerusform>
            <numerusform>After %n consecutive failures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::StatsService</name>
    <message numerus="yes">
        <source>%n files (%1)</source>
        <translation>
            <numerusform>%n file (%1)</numerusform>
            <numerusform>%n files (%1)</numerusform>
        </translation>
    </message>
</context>
</TS>
