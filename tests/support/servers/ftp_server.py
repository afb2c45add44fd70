"""FTP / explicit FTPS server on a loopback port for the tests (pyftpdlib).

Prints "READY <port>" on stdout once it accepts connections and exits when its standard input closes, so it
never outlives the test process that started it.
"""
import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def exit_when_stdin_closes():
    try:
        while sys.stdin.buffer.read(4096):
            pass
    finally:
        os._exit(0)


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
