"""SFTP server on a loopback port for the tests (paramiko), serving one folder as its "/".

Accepts one user by password and by an authorized public key. Prints "READY <port>" on stdout once it accepts
connections and exits when its standard input closes, so it never outlives the test process that started it.
"""
import argparse
import errno
import os
import socket
import sys
import threading

import paramiko
from paramiko import SFTPAttributes, SFTPHandle, SFTPServer, SFTPServerInterface, ServerInterface
from paramiko.sftp import SFTP_FAILURE, SFTP_OK


def exit_when_stdin_closes():
    try:
        while sys.stdin.buffer.read(4096):
            pass
    finally:
        os._exit(0)


class Authenticator(ServerInterface):
    def __init__(self, user, password, authorized_key):
        self.user = user
        self.password = password
        self.authorized_key = authorized_key

    def get_allowed_auths(self, username):
        return "publickey,password" if self.authorized_key else "password"

    def check_auth_password(self, username, password):
        if username == self.user and password == self.password:
            return paramiko.AUTH_SUCCESSFUL
        return paramiko.AUTH_FAILED

    def check_auth_publickey(self, username, key):
        if (username == self.user and self.authorized_key is not None
                and (key.get_name(), key.get_base64()) == self.authorized_key):
            return paramiko.AUTH_SUCCESSFUL
        return paramiko.AUTH_FAILED

    def check_channel_request(self, kind, chanid):
        if kind == "session":
            return paramiko.OPEN_SUCCEEDED
        return paramiko.OPEN_FAILED_ADMINISTRATIVELY_PROHIBITED


class Handle(SFTPHandle):
    # Where each closed handle appends the bytes written through it, when set.
    received_log = None
    received = 0

    def write(self, offset, data):
        self.received += len(data)
        return SFTPHandle.write(self, offset, data)

    def close(self):
        if self.received_log and self.received:
            with open(self.received_log, "a") as log:
                log.write("WRITE %d\n" % self.received)
        SFTPHandle.close(self)

    def stat(self):
        try:
            return SFTPAttributes.from_stat(os.fstat(self.readfile.fileno()))
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)

    def chattr(self, attr):
        return SFTP_OK


class RootedSftp(SFTPServerInterface):
    """Maps every remote path below the served folder; ".." cannot leave it."""

    root = None

    def _local(self, path):
        path = self.canonicalize(path)
        return os.path.join(self.root, path.lstrip("/"))

    def list_folder(self, path):
        local = self._local(path)
        try:
            result = []
            for name in os.listdir(local):
                attr = SFTPAttributes.from_stat(os.lstat(os.path.join(local, name)))
                attr.filename = name
                result.append(attr)
            return result
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)

    def stat(self, path):
        try:
            return SFTPAttributes.from_stat(os.stat(self._local(path)))
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)

    def lstat(self, path):
        try:
            return SFTPAttributes.from_stat(os.lstat(self._local(path)))
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)

    def open(self, path, flags, attr):
        local = self._local(path)
        try:
            fd = os.open(local, flags | getattr(os, "O_BINARY", 0), 0o644)
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)
        if flags & os.O_WRONLY:
            mode = "ab" if flags & os.O_APPEND else "wb"
        elif flags & os.O_RDWR:
            mode = "a+b" if flags & os.O_APPEND else "r+b"
        else:
            mode = "rb"
        try:
            f = os.fdopen(fd, mode)
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)
        handle = Handle(flags)
        handle.filename = local
        handle.readfile = f
        handle.writefile = f
        return handle

    def remove(self, path):
        try:
            os.remove(self._local(path))
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)
        return SFTP_OK

    def rename(self, oldpath, newpath):
        new = self._local(newpath)
        if os.path.exists(new):
            return SFTP_FAILURE
        try:
            os.rename(self._local(oldpath), new)
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)
        return SFTP_OK

    def posix_rename(self, oldpath, newpath):
        try:
            os.rename(self._local(oldpath), self._local(newpath))
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)
        return SFTP_OK

    def mkdir(self, path, attr):
        try:
            os.mkdir(self._local(path))
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)
        return SFTP_OK

    def rmdir(self, path):
        try:
            os.rmdir(self._local(path))
        except OSError as e:
            return SFTPServer.convert_errno(e.errno)
        return SFTP_OK

    def chattr(self, path, attr):
        return SFTP_OK

    def symlink(self, target_path, path):
        return SFTP_FAILURE

    def readlink(self, path):
        return SFTP_FAILURE


def serve(sock, host_key, authenticator, window):
    try:
        transport = paramiko.Transport(sock, default_window_size=window, default_max_packet_size=32768)
        transport.add_server_key(host_key)
        transport.set_subsystem_handler("sftp", SFTPServer, RootedSftp)
        transport.start_server(server=authenticator)
        # The transport runs in its own thread until the client disconnects.
    except Exception:
        sock.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--host-key", required=True)
    parser.add_argument("--authorized-key")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--received-log")
    args = parser.parse_args()
    Handle.received_log = args.received_log

    RootedSftp.root = os.path.realpath(args.root)
    host_key = paramiko.ECDSAKey.from_private_key_file(args.host_key)
    authorized_key = None
    if args.authorized_key:
        with open(args.authorized_key) as f:
            kind, data = f.read().split()[:2]
        authorized_key = (kind, data)
    authenticator = Authenticator(args.user, args.password, authorized_key)

    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", args.port))
    listener.listen(128)
    threading.Thread(target=exit_when_stdin_closes, daemon=True).start()
    print("READY %d" % listener.getsockname()[1], flush=True)
    while True:
        sock, _ = listener.accept()
        sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        serve(sock, host_key, authenticator, 4 * 1024 * 1024)


if __name__ == "__main__":
    main()
