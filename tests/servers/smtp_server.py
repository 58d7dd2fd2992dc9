#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Test mail server for Pitchwise's mailer tests (loopback only).

Accepts every message and writes it, decoded, as one JSON file per message into OUTDIR:
envelope sender and recipients, whether and as whom the client logged in, the decoded subject,
the headers and the decoded text body. With it go what arrived on the wire: the message as
received ("raw"), the client's connection ("peer") and every command line the client sent on
that connection up to this message ("commands", a login's secrets masked), so that a test can
tell a second message or command smuggled into one connection. A login is optional; when one is
attempted, only USER with PASSWORD is accepted, so a test can provoke a refused login.

    smtp_server.py PORT OUTDIR USER PASSWORD
"""
import asyncio
import email
import email.policy
import json
import logging
import os
import sys
import time
import uuid

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


class CommandRecorder(logging.Handler):
    """Keeps the command lines each client sent, as aiosmtpd logs them (">>"), by connection."""

    def __init__(self):
        super().__init__(logging.INFO)
        self.lines = {}

    def emit(self, record):
        if record.msg == "%r >> %r" and len(record.args) == 2:
            peer, line = record.args
            text = line.decode("utf-8", "replace") if isinstance(line, bytes) else str(line)
            self.lines.setdefault(repr(peer), []).append(text)


RECORDER = CommandRecorder()


class Saver:
    def __init__(self, outdir):
        self.outdir = outdir

    async def handle_DATA(self, server, session, envelope):
        msg = email.message_from_bytes(envelope.original_content or envelope.content,
                                       policy=email.policy.default)
        body = msg.get_body(preferencelist=("plain",))
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "authenticated": bool(session.authenticated),
            "login": (session.auth_data.login.decode() if isinstance(session.auth_data, LoginPassword)
                      else None),
            "subject": str(msg.get("Subject", "")),
            "headers": {k: str(v) for k, v in msg.items()},
            "body": body.get_content() if body is not None else "",
            "raw": (envelope.original_content or envelope.content).decode("utf-8", "replace"),
            "peer": "%s:%s" % tuple(session.peer[:2]),
            "commands": list(RECORDER.lines.get(repr(session.peer), [])),
        }
        name = "%d-%s.json" % (time.time_ns(), uuid.uuid4().hex)
        tmp = os.path.join(self.outdir, "." + name)
        with open(tmp, "w", encoding="utf-8") as f:
            json.dump(record, f, ensure_ascii=False)
        os.replace(tmp, os.path.join(self.outdir, name))
        return "250 Message accepted for delivery"


def main():
    port, outdir, user, password = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    os.makedirs(outdir, exist_ok=True)
    wire = logging.getLogger("mail.log")
    wire.setLevel(logging.INFO)
    wire.addHandler(RECORDER)
    wire.propagate = False

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login.decode() == user
              and auth_data.password.decode() == password)
        return AuthResult(success=ok, handled=False, auth_data=auth_data)

    controller = Controller(Saver(outdir), hostname="127.0.0.1", port=port,
                            authenticator=authenticator, auth_required=False,
                            auth_require_tls=False)
    controller.start()
    print("smtp test server on 127.0.0.1:%d" % port, flush=True)
    try:
        asyncio.new_event_loop().run_forever()
    finally:
        controller.stop()


if __name__ == "__main__":
    main()
