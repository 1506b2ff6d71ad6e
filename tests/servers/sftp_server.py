#!/usr/bin/python3
"""A throwaway SFTP server on 127.0.0.1 for the publishing tests.

Runs with Debian's python3-asyncssh. Listens on the port given or one the system picks and
prints, once it accepts connections:

    READY <port> <host key fingerprint, "SHA256:..." as ssh-keygen -l shows it>

One user logs in, with the password given and/or the client key given; SFTP is confined to
the root folder. A plain rename onto an existing file fails with "Failure", as it does on
OpenSSH's internal-sftp. With --stall-after or --drop-after, the write that takes the server
past that many bytes (counted over all uploads since start) writes the bytes up to the mark,
prints STALLED or DROPPED, and then hangs forever or cuts the connection; that happens once,
so a second try goes through.

Exits when its standard input closes or on SIGTERM, so it never outlives the test.
"""

import argparse
import asyncio
import os
import signal
import sys
import warnings

# Debian's asyncssh imports ciphers that this cryptography marks as deprecated.
warnings.simplefilter("ignore")

try:
    import asyncssh
except ImportError:
    sys.exit("sftp_server.py: python3-asyncssh is missing; `make test-deps` installs it")

HOST_KEY_NAME = "ssh_host_ed25519_key"


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True, help="folder the SFTP session is confined to")
    parser.add_argument("--host-key-dir", required=True,
                        help="folder holding the host key; a new one is made when none is there")
    parser.add_argument("--port", type=int, default=0, help="0: one the system picks")
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", help="accepted password for --user")
    parser.add_argument("--client-key",
                        help="private key file of --user (PATH and PATH.pub); an ed25519 pair "
                             "is made when none is there, and its public key is accepted")
    parser.add_argument("--client-key-passphrase", help="passphrase for a client key made here")
    stop = parser.add_mutually_exclusive_group()
    stop.add_argument("--stall-after", type=int, metavar="BYTES",
                      help="stop answering once this many bytes were written")
    stop.add_argument("--drop-after", type=int, metavar="BYTES",
                      help="cut the connection once this many bytes were written")
    return parser.parse_args()


def host_key(folder):
    path = os.path.join(folder, HOST_KEY_NAME)
    if not os.path.exists(path):
        os.makedirs(folder, exist_ok=True)
        asyncssh.generate_private_key("ssh-ed25519").write_private_key(path)
        os.chmod(path, 0o600)
    return asyncssh.read_private_key(path)


def client_key(path, passphrase):
    if not os.path.exists(path):
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        key = asyncssh.generate_private_key("ssh-ed25519", comment="quillmark-test")
        # Few rounds of the passphrase's key derivation keep the test quick.
        key.write_private_key(path, passphrase=passphrase, rounds=16)
        os.chmod(path, 0o600)
        key.write_public_key(path + ".pub")
    return asyncssh.read_public_key(path + ".pub")


class Tripwire:
    """Counts the bytes written and fires once when the mark is passed."""

    def __init__(self, mark, mode):
        self.remaining = mark
        self.mode = mode

    def armed(self):
        return self.mode is not None and self.remaining is not None


class Server(asyncssh.SSHServer):
    def __init__(self, args, accepted_key):
        self._args = args
        self._accepted_key = accepted_key

    def begin_auth(self, username):
        return True

    def password_auth_supported(self):
        return self._args.password is not None

    def validate_password(self, username, password):
        return username == self._args.user and password == self._args.password

    def public_key_auth_supported(self):
        return self._accepted_key is not None

    def validate_public_key(self, username, key):
        return (username == self._args.user
                and key.public_data == self._accepted_key.public_data)


class Sftp(asyncssh.SFTPServer):
    def __init__(self, chan, root, tripwire):
        super().__init__(chan, chroot=root)
        self._tripwire = tripwire
        self._dropped = False

    def rename(self, oldpath, newpath):
        if os.path.lexists(self.map_path(newpath)):
            raise asyncssh.SFTPFailure("Failure")
        return super().rename(oldpath, newpath)

    async def write(self, file_obj, offset, data):
        if self._dropped:
            # Requests the client had sent before the cut are still queued here.
            raise asyncssh.SFTPConnectionLost("Connection dropped")
        trip = self._tripwire
        if not trip.armed() or len(data) < trip.remaining:
            if trip.armed():
                trip.remaining -= len(data)
            return super().write(file_obj, offset, data)
        super().write(file_obj, offset, data[:trip.remaining])
        mode, trip.mode = trip.mode, None
        if mode == "stall":
            print("STALLED", flush=True)
            await asyncio.Event().wait()  # never set: this connection gets no answer again
        print("DROPPED", flush=True)
        self._dropped = True
        self.connection.abort()
        raise asyncssh.SFTPConnectionLost("Connection dropped")


async def main():
    args = parse_args()
    if args.password is None and args.client_key is None:
        sys.exit("sftp_server.py: give --password or --client-key")
    key = host_key(args.host_key_dir)
    accepted = client_key(args.client_key, args.client_key_passphrase) if args.client_key else None
    if args.stall_after is not None:
        tripwire = Tripwire(args.stall_after, "stall")
    elif args.drop_after is not None:
        tripwire = Tripwire(args.drop_after, "drop")
    else:
        tripwire = Tripwire(None, None)
    root = os.path.realpath(args.root)

    loop = asyncio.get_running_loop()
    done = loop.create_future()

    def finish():
        if not done.done():
            done.set_result(None)

    def stdin_readable():
        if not os.read(sys.stdin.fileno(), 4096):
            finish()

    loop.add_reader(sys.stdin.fileno(), stdin_readable)
    loop.add_signal_handler(signal.SIGTERM, finish)
    loop.add_signal_handler(signal.SIGINT, finish)

    listener = await asyncssh.listen(
        "127.0.0.1", args.port, server_host_keys=[key],
        server_factory=lambda: Server(args, accepted),
        sftp_factory=lambda chan: Sftp(chan, root, tripwire), allow_scp=False,
        reuse_address=True)
    print("READY", listener.sockets[0].getsockname()[1], key.get_fingerprint("sha256"), flush=True)
    await done
    listener.close()


if __name__ == "__main__":
    asyncio.run(main())
