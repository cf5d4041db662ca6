#!/usr/bin/env python3
"""Helpers for sync_e2e.sh: two Syncthing instances that talk over the loopback only.

    syncthing.py ports N                  N free TCP ports on 127.0.0.1
    syncthing.py id HOME                  the device ID of a home made by `syncthing generate`
    syncthing.py configure HOME NAME GUI_PORT LISTEN_PORT API_KEY FOLDER PEER_NAME PEER_ID PEER_PORT
                                          rewrites HOME/config.xml (see configure below)
    syncthing.py rest PORT KEY METHOD PATH
                                          one REST call; prints the answer
    syncthing.py connected PORT KEY PEER_ID [no]
                                          whether the peer is connected (with "no": not connected)
    syncthing.py agreed FOLDER_A PORT_A KEY_A ID_B FOLDER_B PORT_B KEY_B ID_A
                                          whether both instances are idle, each knows the other
                                          complete, and both folders hold the same files; prints
                                          a fingerprint of the files
    syncthing.py lacking TOKEN...  < copies
                                          for each conflict copy named on the input, the tokens it
                                          holds that its original file lacks
    syncthing.py network TRACE...         the network calls of an strace log that reach beyond the
                                          loopback
"""

import hashlib
import ipaddress
import json
import os
import re
import socket
import sys
import urllib.request
import xml.etree.ElementTree as ET

FOLDER_ID = "skemora"


def ports(count):
    sockets = []
    for _ in range(count):
        s = socket.socket()
        s.bind(("127.0.0.1", 0))
        sockets.append(s)
    print(" ".join(str(s.getsockname()[1]) for s in sockets))
    for s in sockets:
        s.close()


def device_id(home):
    return ET.parse(os.path.join(home, "config.xml")).getroot().find("device").get("id")


def set_children(element, values):
    for name, value in values.items():
        child = element.find(name)
        if child is None:
            child = ET.SubElement(element, name)
        child.text = value


def configure(home, name, gui_port, listen_port, api_key, folder, peer_name, peer_id, peer_port):
    """Listens and connects on 127.0.0.1 only, with every discovery, relay, NAT traversal,
    report and upgrade check off, and shares FOLDER with the peer. The folder and the peer are
    made from the generated config's own defaults, so that no setting is left to a zero value."""
    path = os.path.join(home, "config.xml")
    tree = ET.parse(path)
    root = tree.getroot()
    me = root.find("device")
    my_id = me.get("id")
    me.set("name", name)

    gui = root.find("gui")
    gui.set("enabled", "true")
    gui.set("tls", "false")
    set_children(gui, {"address": f"127.0.0.1:{gui_port}", "apikey": api_key})

    set_children(root.find("options"), {
        "listenAddress": f"tcp://127.0.0.1:{listen_port}",
        "globalAnnounceEnabled": "false",
        "localAnnounceEnabled": "false",
        "relaysEnabled": "false",
        "natEnabled": "false",
        "stunKeepaliveStartS": "0",
        "stunKeepaliveMinS": "0",
        "announceLANAddresses": "false",
        "startBrowser": "false",
        "urAccepted": "-1",
        "urSeen": "3",
        "autoUpgradeIntervalH": "0",
        "crashReportingEnabled": "false",
        "setLowPriority": "false",
        "reconnectionIntervalS": "1",
        "restartOnWakeup": "false",
    })

    defaults = root.find("defaults")
    peer = ET.fromstring(ET.tostring(defaults.find("device")))
    peer.set("id", peer_id)
    peer.set("name", peer_name)
    set_children(peer, {"address": f"tcp://127.0.0.1:{peer_port}", "paused": "false"})
    root.insert(list(root).index(me) + 1, peer)

    shared = ET.fromstring(ET.tostring(defaults.find("folder")))
    shared.attrib.update({"id": FOLDER_ID, "label": FOLDER_ID, "path": folder,
                          "type": "sendreceive", "rescanIntervalS": "10",
                          "fsWatcherEnabled": "true", "fsWatcherDelayS": "1"})
    for old in shared.findall("device"):
        shared.remove(old)
    for index, device in enumerate((my_id, peer_id)):
        element = ET.Element("device", {"id": device, "introducedBy": ""})
        ET.SubElement(element, "encryptionPassword")
        shared.insert(1 + index, element)
    # Versioning off: an element without a type.
    shared.remove(shared.find("versioning"))
    ET.SubElement(shared, "versioning")
    set_children(shared, {"paused": "false", "maxConflicts": "10"})
    root.insert(0, shared)
    tree.write(path, encoding="unicode")


# The REST calls never go through a proxy, whatever the environment says.
OPENER = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def rest(port, key, method, path):
    request = urllib.request.Request(f"http://127.0.0.1:{port}{path}", method=method,
                                     headers={"X-API-Key": key})
    with OPENER.open(request, timeout=20) as answer:
        return answer.read().decode()


def rest_json(port, key, path):
    return json.loads(rest(port, key, "GET", path))


def connected(port, key, peer_id):
    connection = rest_json(port, key, "/rest/system/connections")["connections"].get(peer_id, {})
    return bool(connection.get("connected"))


def is_syncthing_file(name):
    return (name in (".stfolder", ".stignore", ".stversions") or
            (name.startswith(".syncthing.") and name.endswith(".tmp")) or
            name.startswith("~syncthing~"))


def folder_files(folder):
    """Every file of the folder with a digest of its bytes, Syncthing's own left out."""
    files = {}
    for directory, names, file_names in os.walk(folder):
        names[:] = [n for n in names if not is_syncthing_file(n)]
        for name in file_names:
            if is_syncthing_file(name):
                continue
            path = os.path.join(directory, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = hashlib.sha1(f.read()).hexdigest()
    return files


def side_done(port, key, peer_id):
    status = rest_json(port, key, f"/rest/db/status?folder={FOLDER_ID}")
    if status.get("state") != "idle" or status.get("needTotalItems", 1) != 0:
        return False
    completion = rest_json(port, key, f"/rest/db/completion?folder={FOLDER_ID}&device={peer_id}")
    return completion.get("completion") == 100 and completion.get("needItems", 1) == 0


def agreed(folder_a, port_a, key_a, id_b, folder_b, port_b, key_b, id_a):
    if not (side_done(port_a, key_a, id_b) and side_done(port_b, key_b, id_a)):
        return False
    files = folder_files(folder_a)
    if files != folder_files(folder_b):
        return False
    print(hashlib.sha1(json.dumps(sorted(files.items())).encode()).hexdigest())
    return True


CONFLICT = re.compile(r"\.sync-conflict-\d{8}-\d{6}-[A-Z0-9]{7}")


def lacking(tokens):
    """Reads conflict copies' paths from standard input; prints `copy: token` for every token
    a copy holds that the file it is a copy of does not."""
    for line in sys.stdin:
        copy = line.rstrip("\n")
        if not copy:
            continue
        original = CONFLICT.sub("", copy, count=1)
        try:
            with open(copy, "rb") as f:
                held = f.read().decode("latin-1")
        except OSError:
            continue  # merged and removed meanwhile
        try:
            with open(original, "rb") as f:
                kept = f.read().decode("latin-1")
        except OSError:
            kept = ""
        for token in tokens:
            if token in held and token not in kept:
                print(f"{copy}: {token}")


ADDRESS = re.compile(r'inet_addr\("([^"]*)"\)|inet_pton\(AF_INET6?, "([^"]*)"')


def network(traces):
    """Prints every traced call with an internet address other than a loopback one."""
    for trace in traces:
        with open(trace, errors="replace") as f:
            for line in f:
                for match in ADDRESS.finditer(line):
                    address = match.group(1) or match.group(2)
                    try:
                        ip = ipaddress.ip_address(address)
                    except ValueError:
                        print(line.rstrip())
                        continue
                    mapped = getattr(ip, "ipv4_mapped", None)
                    if not (ip.is_loopback or (mapped is not None and mapped.is_loopback)):
                        print(line.rstrip())


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "ports":
        ports(int(args[0]))
    elif command == "id":
        print(device_id(args[0]))
    elif command == "configure":
        configure(*args)
    elif command == "rest":
        print(rest(*args))
    elif command == "connected":
        want = not (len(args) > 3 and args[3] == "no")
        try:
            return 0 if connected(*args[:3]) == want else 1
        except OSError:
            return 1
    elif command == "agreed":
        try:
            return 0 if agreed(*args) else 1
        except (OSError, ValueError):
            return 1
    elif command == "lacking":
        lacking(args)
    elif command == "network":
        network(args)
    else:
        sys.exit(f"unknown command {command}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
