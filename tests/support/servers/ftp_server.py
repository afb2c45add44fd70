"""FTP / explicit FTPS server on a loopback port for the tests (pyftpdlib).

Prints "READY <port>" on stdout once it accepts connections and exits when its standard input closes, so it
never outlives the test process that started it.
"""
import argparse
import hashlib
import logging
import os
import sys
import threading
import zlib

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def exit_when_stdin_closes():
    try:
        while sys.stdin.buffer.read(4096):
            pass
    finally:
        os._exit(0)


HASHLIB_NAMES = {"SHA-256": "sha256", "SHA-1": "sha1", "MD5": "md5"}
SINGLE_COMMANDS = {"SHA-256": "XSHA256", "SHA-1": "XSHA1", "MD5": "XMD5", "CRC32": "XCRC"}


def file_digest(path, algorithm, wrong):
    """The digest of the file's bytes, or with --wrong-digests of those bytes and one more."""
    state = 0 if algorithm == "CRC32" else hashlib.new(HASHLIB_NAMES[algorithm])
    with open(path, "rb") as stored:
        for chunk in iter(lambda: stored.read(1 << 20), b""):
            if algorithm == "CRC32":
                state = zlib.crc32(chunk, state)
            else:
                state.update(chunk)
    if wrong:
        if algorithm == "CRC32":
            state = zlib.crc32(b"\0", state)
        else:
            state.update(b"\0")
    return "%08x" % state if algorithm == "CRC32" else state.hexdigest()


def add_checksum_commands(handler, args):
    """The checksum commands servers offer: HASH with OPTS HASH (the FTP HASH draft), listed in FEAT as
    "HASH SHA-256*;MD5" with the selected one starred, and the single-algorithm XSHA256, XSHA1, XMD5, XCRC.
    Hostile variants answer the digest of other bytes, or a reply of 2 MiB."""
    hashed = [name for name in args.hash.split(",") if name]
    singles = [name for name in args.single_checksums.split(",") if name]
    commands = dict(handler.proto_cmds)

    def flood(self):
        self.push(("213-" + "x" * 1000 + "\r\n") * 2100)
        self.respond("213 End.")

    def checked_path(self, path):
        if not os.path.isfile(path):
            self.respond("550 Not a file.")
            return False
        if args.flood_replies:
            flood(self)
            return False
        return True

    if hashed:
        handler.hash_algorithm = hashed[0]
        commands["HASH"] = dict(perm="r", auth=True, arg=True, help="Syntax: HASH <SP> path")

        def ftp_HASH(self, path):
            if checked_path(self, path):
                self.respond("213 %s 0-%d %s %s" % (self.hash_algorithm, os.path.getsize(path),
                                                    file_digest(path, self.hash_algorithm, args.wrong_digests),
                                                    self.fs.fs2ftp(path)))

        base_opts = handler.ftp_OPTS

        def ftp_OPTS(self, line):
            command, _, value = line.partition(" ")
            if command.upper() != "HASH":
                return base_opts(self, line)
            if value and value.strip().upper() not in hashed:
                return self.respond("501 Unknown algorithm.")
            self.hash_algorithm = value.strip().upper() or self.hash_algorithm
            self.respond("200 " + self.hash_algorithm)

        handler.ftp_HASH = ftp_HASH
        handler.ftp_OPTS = ftp_OPTS

    for algorithm in singles:
        command = SINGLE_COMMANDS[algorithm]
        commands[command] = dict(perm="r", auth=True, arg=True, help="Syntax: %s <SP> path" % command)

        def single(self, path, algorithm=algorithm):
            if checked_path(self, path):
                self.respond("250 " + file_digest(path, algorithm, args.wrong_digests))

        setattr(handler, "ftp_" + command, single)

    base_feat = handler.ftp_FEAT

    def ftp_FEAT(self, line):
        extra = [SINGLE_COMMANDS[name] for name in singles]
        if hashed:
            extra.append("HASH " + ";".join(name + ("*" if name == self.hash_algorithm else "")
                                            for name in hashed))
        self._extra_feats = [feat for feat in self._extra_feats
                             if feat.split(" ")[0] not in ("HASH",) + tuple(SINGLE_COMMANDS.values())] + extra
        base_feat(self, line)

    handler.ftp_FEAT = ftp_FEAT
    handler.proto_cmds = commands


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--tls", action="store_true")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--log")
    parser.add_argument("--no-mlsd", action="store_true")
    parser.add_argument("--truncate-uploads", action="store_true")
    parser.add_argument("--per-login-tls-sessions", action="store_true")
    parser.add_argument("--refuse-folders", action="store_true")
    parser.add_argument("--no-rest", action="store_true")
    parser.add_argument("--received-log")
    parser.add_argument("--hash", default="", help="HASH with these algorithms, e.g. SHA-256,MD5")
    parser.add_argument("--single-checksums", default="", help="XSHA256/XSHA1/XMD5/XCRC for these algorithms")
    parser.add_argument("--wrong-digests", action="store_true")
    parser.add_argument("--flood-replies", action="store_true")
    args = parser.parse_args()

    logging.basicConfig(filename=args.log, level=logging.INFO if args.log else logging.ERROR,
                        format="%(asctime)s %(message)s")

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    if args.tls:
        from pyftpdlib.handlers import TLS_FTPHandler

        class Handler(TLS_FTPHandler):
            pass

        # pyftpdlib 1.5.7 asks a data channel that is still in its TLS handshake whether it is readable and
        # closes it because it is "not receiving yet"; the handshake must be allowed to read.
        base_readable = Handler.dtp_handler.readable

        def readable(self):
            if self._ssl_accepting or self._ssl_want_read:
                return True
            return base_readable(self)

        Handler.dtp_handler.readable = readable

        if args.per_login_tls_sessions:
            # As servers that run each login in a process of its own (vsftpd): every control connection has
            # its own TLS context, so only its own sessions (single-use tickets in TLS 1.3) can be resumed,
            # and a data connection that does not resume one is refused with 522.
            from OpenSSL import SSL
            from OpenSSL._util import lib

            base_init = Handler.__init__

            def init(self, conn, server, ioloop=None):
                base_init(self, conn, server, ioloop)
                context = SSL.Context(SSL.TLS_METHOD)
                context.use_certificate_chain_file(args.cert)
                context.use_privatekey_file(args.key)
                context.set_options(SSL.OP_NO_TICKET)
                context.set_session_id(b"ondrix-test")
                context.set_session_cache_mode(SSL.SESS_CACHE_SERVER)
                self.ssl_context = context

            def data_established(self):
                if not lib.SSL_session_reused(self.socket._ssl):
                    self.cmd_channel.respond("522 SSL connection failed: session reuse required")
                    self.cmd_channel.log_cmd("STOR", "", 522, "session reuse required")
                    self.close()

            Handler.__init__ = init
            Handler.dtp_handler.handle_ssl_established = data_established
        Handler.certfile = args.cert
        Handler.keyfile = args.key
        Handler.tls_control_required = True
        Handler.tls_data_required = True
    else:
        class Handler(FTPHandler):
            pass

    if args.truncate_uploads:
        def on_file_received(self, path):
            with open(path, "r+b") as stored:
                stored.truncate(os.path.getsize(path) // 2)

        Handler.on_file_received = on_file_received

    if args.refuse_folders:
        # A write-only drop box: files may be stored, folders may not be made.
        def ftp_MKD(self, path):
            self.respond("550 Creating folders is not allowed here.")

        Handler.ftp_MKD = ftp_MKD

    if args.no_rest:
        # A server that cannot resume: REST is an unknown command and FEAT does not list it.
        Handler.proto_cmds = {name: info for name, info in Handler.proto_cmds.items() if name != "REST"}

    if args.hash or args.single_checksums:
        add_checksum_commands(Handler, args)

    if args.received_log:
        # One line per finished or broken upload: the bytes that arrived over its data connection.
        base_log_transfer = Handler.log_transfer

        def log_transfer(self, cmd, filename, receive, completed, elapsed, bytes):  # noqa: A002 (pyftpdlib's name)
            if receive:
                with open(args.received_log, "a") as log:
                    log.write("%s %d\n" % (cmd, bytes))
            base_log_transfer(self, cmd, filename, receive, completed, elapsed, bytes)

        Handler.log_transfer = log_transfer

    Handler.authorizer = authorizer
    Handler.auth_failed_timeout = 0
    Handler.banner = "Ondrix test server ready."
    Handler.permit_privileged_ports = True
    # A passive listener on any free port the system gives: the widest possible range, and no clashes
    # between servers of tests that run in parallel.
    Handler.passive_ports = None
    Handler.masquerade_address = None
    Handler.use_sendfile = False
    # Names are bytes on the disk: one that is not UTF-8 is stored and listed as the bytes that came, as
    # servers on a byte file system do, instead of being mangled into replacement characters.
    Handler.unicode_errors = "surrogateescape"
    if args.no_mlsd:
        # As servers without machine-readable listings (vsftpd) answer: an unknown command.
        Handler.proto_cmds = {name: info for name, info in Handler.proto_cmds.items() if name != "MLSD"}

    server = FTPServer(("127.0.0.1", args.port), Handler)
    server.max_cons = 256
    server.max_cons_per_ip = 0
    port = server.socket.getsockname()[1]
    threading.Thread(target=exit_when_stdin_closes, daemon=True).start()
    print("READY %d" % port, flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
