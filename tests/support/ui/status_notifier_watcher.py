'''A small StatusNotifierWatcher with one registered host, for tray tests on a private session bus.

Loaded by python-dbusmock (--template <this file>): answers asynchronously, lists its properties in its
introspection data (Qt asks for IsStatusNotifierHostRegistered), and records every registered item.
'''
import dbus

BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({
        'IsStatusNotifierHostRegistered': dbus.Boolean(True),
        'ProtocolVersion': dbus.Int32(0),
        'RegisteredStatusNotifierItems': dbus.Array([], signature='s'),
    }, signature='sv'))
    mock.AddMethods(MAIN_IFACE, [
        ('RegisterStatusNotifierItem', 's', '',
         'items = list(self.Get("%s", "RegisteredStatusNotifierItems"))\n'
         'items.append(args[0])\n'
         'self.Set("%s", "RegisteredStatusNotifierItems", dbus.Array(items, signature="s"))\n'
         'self.EmitSignal("%s", "StatusNotifierItemRegistered", "s", [args[0]])'
         % (MAIN_IFACE, MAIN_IFACE, MAIN_IFACE)),
        ('RegisterStatusNotifierHost', 's', '', ''),
    ])
