#!/usr/bin/python3
"""A throwaway FTPS server on 127.0.0.1 for the publishing tests: vsftpd, run as a child.

`make test` unpacks Debian's vsftpd into the build folder without installing it; this script
writes its configuration, a new self-signed certificate (for 127.0.0.1 and localhost) and the
folders it needs into --dir, runs it in the foreground on the port given or a free one, and
prints, once a client can log in over TLS:

    READY <port> <pin of the certificate's public key, "sha256//<base64>">

TLS is required: explicit FTPS (AUTH TLS), logins and data connections alike. The one login is
vsftpd's anonymous one ("anonymous" or "ftp") with the password given; uploads, folders,
renames and deletions are allowed below <dir>/root/htdocs, which the client sees as /htdocs.
vsftpd refuses to serve a root folder its sessions may write to, hence the folder below it.

vsftpd needs root: it confines each session to the root folder and then works as the account
`daemon`, which owns what is uploaded. Exits, and stops vsftpd, when its standard input closes
or on SIGTERM, so neither outlives the test.
"""

import argparse
import base64
import ctypes
import datetime
import hashlib
import ipaddress
import os
import pwd
import selectors
import signal
import socket
import ssl
import subprocess
import sys
import time

FTP_ACCOUNT = "daemon"  # unprivileged, on every Debian, with a home folder that exists
NOPRIV_ACCOUNT = "nobody"
START_TIMEOUT = 10.0
PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--vsftpd", required=True, help="the unpacked vsftpd binary")
    parser.add_argument("--dir", required=True, help="folder for the server's files")
    parser.add_argument("--port", type=int, default=0, help="0: a free one")
    parser.add_argument("--password", required=True, help="the one password accepted")
    parser.add_argument("--max-rate", type=int, default=0, metavar="BYTES",
                        help="bytes per second a transfer may take (0: no limit)")
    parser.add_argument("--tls12-only", action="store_true", help="no TLS 1.3")
    return parser.parse_args()


def make_certificate(folder):
    """Writes a self-signed certificate and its key; returns the key's pin."""
    from cryptography import x509
    from cryptography.hazmat.primitives import hashes, serialization
    from cryptography.hazmat.primitives.asymmetric import ec
    from cryptography.x509.oid import NameOID

    key = ec.generate_private_key(ec.SECP256R1())
    name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "127.0.0.1")])
    now = datetime.datetime.now(datetime.timezone.utc)
    cert = (x509.CertificateBuilder().subject_name(name).issuer_name(name)
            .public_key(key.public_key()).serial_number(x509.random_serial_number())
            .not_valid_before(now - datetime.timedelta(days=1))
            .not_valid_after(now + datetime.timedelta(days=7))
            .add_extension(x509.SubjectAlternativeName([
                x509.IPAddress(ipaddress.ip_address("127.0.0.1")), x509.DNSName("localhost")]),
                critical=False)
            .sign(key, hashes.SHA256()))
    cert_file = os.path.join(folder, "cert.pem")
    key_file = os.path.join(folder, "key.pem")
    with open(cert_file, "wb") as out:
        out.write(cert.public_bytes(serialization.Encoding.PEM))
    with open(os.open(key_file, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600), "wb") as out:
        out.write(key.private_bytes(serialization.Encoding.PEM,
                                    serialization.PrivateFormat.PKCS8,
                                    serialization.NoEncryption()))
    spki = key.public_key().public_bytes(serialization.Encoding.DER,
                                         serialization.PublicFormat.SubjectPublicKeyInfo)
    pin = "sha256//" + base64.b64encode(hashlib.sha256(spki).digest()).decode()
    return cert_file, key_file, pin


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def write_config(folder, port, cert_file, key_file, max_rate):
    settings = {
        "listen": "YES", "listen_ipv6": "NO", "listen_address": "127.0.0.1",
        "listen_port": port, "background": "NO",
        "nopriv_user": NOPRIV_ACCOUNT, "ftp_username": FTP_ACCOUNT,
        "secure_chroot_dir": os.path.join(folder, "empty"),
        "anonymous_enable": "YES", "local_enable": "NO", "anon_root": os.path.join(folder, "root"),
        "secure_email_list_enable": "YES",
        "email_password_file": os.path.join(folder, "passwords"),
        "write_enable": "YES", "anon_upload_enable": "YES", "anon_mkdir_write_enable": "YES",
        "anon_other_write_enable": "YES", "anon_umask": "022", "anon_max_rate": max_rate,
        "ssl_enable": "YES", "allow_anon_ssl": "YES",
        "force_anon_logins_ssl": "YES", "force_anon_data_ssl": "YES",
        "ssl_tlsv1": "YES", "ssl_sslv2": "NO", "ssl_sslv3": "NO", "ssl_ciphers": "HIGH",
        # libcurl does not resume the control connection's TLS session on the data one.
        "require_ssl_reuse": "NO",
        "rsa_cert_file": cert_file, "rsa_private_key_file": key_file,
        "pasv_enable": "YES", "pasv_address": "127.0.0.1", "connect_from_port_20": "NO",
        # Neither a seccomp filter nor namespaces of its own: containers may forbid them.
        "seccomp_sandbox": "NO", "isolate": "NO", "isolate_network": "NO",
        "xferlog_enable": "NO", "syslog_enable": "NO", "dirmessage_enable": "NO",
        "use_localtime": "NO", "tcp_wrappers": "NO",
    }
    path = os.path.join(folder, "vsftpd.conf")
    with open(path, "w", encoding="ascii") as out:
        out.writelines(f"{key}={value}\n" for key, value in settings.items())
    return path


def openssl_config(folder, tls12_only):
    """An OpenSSL configuration for vsftpd alone, which has no setting for TLS versions."""
    path = os.path.join(folder, "openssl.cnf")
    with open(path, "w", encoding="ascii") as out:
        out.write("openssl_conf = settings\n[settings]\nssl_conf = ssl\n[ssl]\n"
                  "system_default = versions\n[versions]\nMinProtocol = TLSv1.2\n")
        if tls12_only:
            out.write("MaxProtocol = TLSv1.2\n")
    return path


def prepare(folder, password):
    """Makes the folders vsftpd insists on and the password list."""
    ftp = pwd.getpwnam(FTP_ACCOUNT)
    pwd.getpwnam(NOPRIV_ACCOUNT)
    os.chmod(folder, 0o755)
    for sub in ("empty", "root"):
        os.makedirs(os.path.join(folder, sub), exist_ok=True)
        os.chmod(os.path.join(folder, sub), 0o755)
    htdocs = os.path.join(folder, "root", "htdocs")
    os.makedirs(htdocs, exist_ok=True)
    os.chown(htdocs, ftp.pw_uid, ftp.pw_gid)
    with open(os.path.join(folder, "passwords"), "w", encoding="utf-8") as out:
        out.write(password + "\n")


def logs_in_over_tls(port):
    """True once the server greets, takes AUTH TLS and completes the handshake."""
    context = ssl.create_default_context()
    context.check_hostname = False
    context.verify_mode = ssl.CERT_NONE
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=2) as plain:
            replies = plain.makefile("rb")
            if not replies.readline().startswith(b"220"):
                return False
            plain.sendall(b"AUTH TLS\r\n")
            if not replies.readline().startswith(b"234"):
                return False
            with context.wrap_socket(plain) as secure:
                secure.sendall(b"QUIT\r\n")
                return secure.recv(64).startswith(b"221")
    except OSError:
        return False


def die_with_parent():
    """Runs in vsftpd's process before it starts: it gets SIGKILL when this script ends."""
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def descendants():
    """The processes below this one. vsftpd's sessions leave its process group and outlive
    the listener, but this script is their subreaper, so they stay below it."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat", encoding="ascii", errors="replace") as stat:
                    ppid = int(stat.read().rsplit(")", 1)[1].split()[1])
            except (OSError, IndexError, ValueError):
                continue
            children.setdefault(ppid, []).append(int(entry))
    found, todo = [], [os.getpid()]
    while todo:
        below = children.get(todo.pop(), [])
        found += below
        todo += below
    return found


def stop_everything():
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        while True:
            try:
                if os.waitpid(-1, os.WNOHANG)[0] == 0:
                    break
            except ChildProcessError:
                break
        alive = descendants()
        if not alive:
            return
        for pid in alive:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        time.sleep(0.01)


def start(args, config_for, environment):
    """Starts vsftpd on a free port; a port taken in between is tried again."""
    for _ in range(1 if args.port else 3):
        port = args.port or free_port()
        server = subprocess.Popen([args.vsftpd, config_for(port)], stdin=subprocess.DEVNULL,
                                  stdout=sys.stderr, env=environment,
                                  preexec_fn=die_with_parent)
        deadline = time.monotonic() + START_TIMEOUT
        while server.poll() is None and time.monotonic() < deadline:
            if logs_in_over_tls(port):
                return server, port
            time.sleep(0.02)
        if server.poll() is None:
            stop_everything()
            sys.exit("ftps_server.py: vsftpd did not accept a TLS login in time")
    sys.exit(f"ftps_server.py: vsftpd stopped at start (exit code {server.returncode})")


def main():
    args = parse_args()
    if os.geteuid() != 0:
        sys.exit("ftps_server.py: vsftpd needs root to confine its sessions; run the tests as root")
    if not os.access(args.vsftpd, os.X_OK):
        sys.exit(f"ftps_server.py: no vsftpd at {args.vsftpd}; `make test-deps` unpacks it")
    folder = os.path.realpath(args.dir)
    os.makedirs(folder, exist_ok=True)
    ctypes.CDLL(None).prctl(PR_SET_CHILD_SUBREAPER, 1)
    prepare(folder, args.password)
    cert_file, key_file, pin = make_certificate(folder)
    environment = dict(os.environ, OPENSSL_CONF=openssl_config(folder, args.tls12_only))
    server, port = start(args, lambda port: write_config(folder, port, cert_file, key_file,
                                                         args.max_rate), environment)

    stop = False

    def on_signal(_signum, _frame):
        nonlocal stop
        stop = True

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)
    print("READY", port, pin, flush=True)

    watch = selectors.DefaultSelector()
    watch.register(sys.stdin, selectors.EVENT_READ)
    while not stop and server.poll() is None:
        if watch.select(timeout=0.2) and not os.read(sys.stdin.fileno(), 4096):
            break
    stop_everything()


if __name__ == "__main__":
    main()
