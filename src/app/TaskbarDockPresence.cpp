#include "app/TaskbarDockPresence.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace ondrix {

namespace {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<xcb_atom_t> windowStates(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_ATOM) {
        return {};
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return {atoms, atoms + xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t))};
}

} // namespace

void TaskbarDockPresence::addWindow(QWidget* window)
{
    m_windows.append(window);
    apply(window);
}

void TaskbarDockPresence::setPolicy(Policy policy)
{
    m_policy = policy;
    for (const QPointer<QWidget>& window : std::as_const(m_windows)) {
        if (window) {
            apply(window);
        }
    }
}

void TaskbarDockPresence::apply(QWidget* window) const
{
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return;
    }
    const bool skip = m_policy == Policy::accessory;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t marks[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (window->isVisible()) {
        // A mapped window's state belongs to the window manager: ask it (EWMH _NET_WM_STATE message).
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = state;
        message.data.data32[0] = skip ? 1 : 0; // add : remove
        message.data.data32[1] = marks[0];
        message.data.data32[2] = marks[1];
        message.data.data32[3] = 1; // from an application
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    } else {
        // An unmapped window's own property is read when it is mapped; Qt keeps states it did not set.
        std::vector<xcb_atom_t> states = windowStates(connection, id, state);
        for (const xcb_atom_t mark : marks) {
            const bool has = std::find(states.begin(), states.end(), mark) != states.end();
            if (skip && !has) {
                states.push_back(mark);
            } else if (!skip && has) {
                states.erase(std::remove(states.begin(), states.end(), mark), states.end());
            }
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                            uint32_t(states.size()), states.data());
    }
    xcb_flush(connection);
}

} // namespace ondrix
