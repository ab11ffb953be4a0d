#!/usr/bin/env python3
"""Measures veltaro-cli as a whole process: `update` from process start to exit, and the resident
memory of `run` after its first update.

    bench/cli_figures.py [--build build] [--runs 20]

Both run against veltaro-server on a free loopback port, each with a settings file of its own
holding the demo account with HOME checked.
"""
import argparse
import os
import statistics
import subprocess
import tempfile
import time

from resource_figures import DEMO_CONFIG, Server, rss_kb


def write_config(folder):
    path = os.path.join(folder, "DNS.conf")
    with open(path, "w", newline="") as f:
        f.write(DEMO_CONFIG)
    return path


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=20)
    args = parser.parse_args()

    cli = os.path.join(args.build, "veltaro-cli")
    server = Server(args.build, 0)
    port = int(server_port(server))
    try:
        times = []
        for _ in range(args.runs + 1):
            with tempfile.TemporaryDirectory() as folder:
                command = [cli, "--server", "127.0.0.1:%d" % port, "--config", write_config(folder), "update"]
                start = time.perf_counter()
                status = subprocess.run(command, stdout=subprocess.DEVNULL).returncode
                times.append((time.perf_counter() - start) * 1000)
                if status != 0:
                    raise SystemExit("update exited with %d" % status)
        times = times[1:]  # the first run warms the disk cache
        print("update, process start to exit: median %.1f ms (min %.1f, max %.1f, %d runs)"
              % (statistics.median(times), min(times), max(times), len(times)))

        with tempfile.TemporaryDirectory() as folder:
            since = len(server.lines)
            proc = subprocess.Popen([cli, "--server", "127.0.0.1:%d" % port, "--config", write_config(folder), "run"],
                                    stdout=subprocess.DEVNULL)
            server.wait_for("UPDATED DEMO HOME", since)
            time.sleep(1.0)
            rss = rss_kb(proc.pid) / 1024
            proc.terminate()
            proc.wait()
        print("run, resident memory after the first update: %.1f MB" % rss)
    finally:
        server.stop()


def server_port(server):
    return server.listening.split("command=")[1].split()[0]


if __name__ == "__main__":
    main()
