#!/usr/bin/python3
'''Stands in for a desktop panel during the tray benchmark: hosts a StatusNotifierWatcher on the session bus,
and for every registered item fetches the icon pixmap again on each NewIcon signal, as panels do. Prints
the number of icon changes, the bytes fetched and the D-Bus messages the item's owner sent (its signals and
its replies) on SIGUSR1, which starts the counts afresh, and on SIGTERM, which ends it. Prints "ready" once the
watcher is on the bus.'''
import signal
import sys

import dbus
import dbus.lowlevel
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
counts = {'icons': 0, 'bytes': 0, 'messages': 0}
owners = set()
WATCHER = 'org.kde.StatusNotifierWatcher'


class Watcher(dbus.service.Object):
    def __init__(self):
        super().__init__(bus, '/StatusNotifierWatcher')
        self.items = []

    @dbus.service.method(WATCHER, in_signature='s')
    def RegisterStatusNotifierItem(self, service):
        self.items.append(service)
        owner = service if service.startswith(':') else bus.get_name_owner(service)
        owners.add(owner)
        bus.add_match_string_non_blocking("sender='%s',eavesdrop='true'" % owner)
        bus.add_signal_receiver(lambda: fetch(service), 'NewIcon', 'org.kde.StatusNotifierItem', service)
        fetch(service)

    @dbus.service.method(WATCHER, in_signature='s')
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='s', out_signature='a{sv}')
    def GetAll(self, interface):
        return {'IsStatusNotifierHostRegistered': dbus.Boolean(True), 'ProtocolVersion': dbus.Int32(0),
                'RegisteredStatusNotifierItems': dbus.Array(self.items, signature='s')}

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature='s')
    def Introspect(self):
        return ('<node><interface name="%s"><method name="RegisterStatusNotifierItem"><arg type="s" '
                'direction="in"/></method><property name="IsStatusNotifierHostRegistered" type="b" '
                'access="read"/></interface></node>' % WATCHER)


# Its signals pass through this filter; its replies to the fetches do not, and are counted where they arrive.
def count_message(_bus, message):
    if message.get_sender() in owners:
        counts['messages'] += 1
    return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED


bus.add_message_filter(count_message)


def fetch(service):
    def done(value):
        counts['icons'] += 1
        counts['messages'] += 1
        counts['bytes'] += sum(len(p[2]) for p in value)
    bus.get_object(service, '/StatusNotifierItem').Get(
        'org.kde.StatusNotifierItem', 'IconPixmap', dbus_interface=dbus.PROPERTIES_IFACE,
        reply_handler=done, error_handler=lambda e: None)


name = dbus.service.BusName(WATCHER, bus)
watcher = Watcher()
loop = GLib.MainLoop()


def stop(*_):
    print('%d %d %d' % (counts['icons'], counts['bytes'], counts['messages']), flush=True)
    loop.quit()


def restart(*_):
    print('%d %d %d' % (counts['icons'], counts['bytes'], counts['messages']), flush=True)
    for key in counts:
        counts[key] = 0
    return True


signal.signal(signal.SIGTERM, stop)
GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, stop)
GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGUSR1, restart)
print('ready', flush=True)
loop.run()
