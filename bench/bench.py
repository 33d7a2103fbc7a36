#!/usr/bin/env python3
"""Times Orvane against cp -a and rsync -a on the same workloads, interleaved round by round.

Every timed run copies into a fresh destination (made before the clock starts). Each run is
timed twice: by the wall clock, and by the CPU time (user and system) the kernel charges to the
tool and the processes it waited for (rsync runs in three). Both are medians over the rounds;
the ratios compare each Orvane mode with cp -a and with rsync -a measured in the same rounds, so
they hold on any machine. Peak resident memory comes from the same accounting.
"""

import argparse
import os
import platform
import random
import shutil
import signal
import statistics
import subprocess
import sys
import time

MIB = 1024 * 1024


def make_big_file(path, size):
    block = os.urandom(MIB)
    with open(path, "wb") as out:
        for _ in range(size // MIB):
            out.write(block)


def make_small_files(root, files, folders):
    rng = random.Random(7)
    for number in range(files):
        folder = os.path.join(root, "d%03d" % (number % folders))
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "f%05d.bin" % number), "wb") as out:
            out.write(os.urandom(rng.randint(1024, 16 * 1024)))


def make_real_tree(root, origin, quick):
    # A tree nobody wrote for the benchmark; the quick run takes one sub-folder of it.
    if quick and os.path.isdir(os.path.join(origin, "linux")):
        origin = os.path.join(origin, "linux")
    subprocess.run(["cp", "-a", origin, root], check=True)


class Tool:
    def __init__(self, name, command):
        self.name = name
        self.command = command  # a function (source, destination) -> argv


WINDOW = "orvane (window)"
# The window program's run alone, from the click on Start to the log saved at exit, as the
# driver reports it: the whole process less the start of Qt and of the display connection.
WINDOW_RUN = "orvane (window), run"


def tools(cli, window=None, baseline=None):
    every = [
        Tool("orvane-cli", lambda s, d: [cli, s, d]),
        Tool("orvane-cli --direct", lambda s, d: [cli, "--direct", s, d]),
        Tool("cp -a", lambda s, d: ["cp", "-a", s, d]),
        Tool("rsync -a", lambda s, d: ["rsync", "-a", s, d]),
    ]
    if window:
        # The window program driven through its widgets (folders typed, Start clicked, the
        # window closed at the end), survey mode like the first row.
        every.append(Tool(WINDOW, lambda s, d: [window, s, d]))
    if baseline:
        # An earlier build, timed in the same rounds: what a change costs, free of the drift
        # between two runs on a shared machine.
        every += [
            Tool("baseline orvane-cli", lambda s, d: [baseline, s, d]),
            Tool("baseline orvane-cli --direct", lambda s, d: [baseline, "--direct", s, d]),
        ]
    return every


def window_table(all_results):
    lines = ["| workload | orvane (window) s | × orvane-cli | its run s | × orvane-cli "
             "| orvane-cli s |", "|---|---:|---:|---:|---:|---:|"]
    for workload, results in all_results:
        if WINDOW in results:
            lines.append("| %s | %.3f | %s | %.3f | %s | %.3f |" % (
                workload, results[WINDOW][0], ratio(results, WINDOW, "orvane-cli"),
                results[WINDOW_RUN][0], ratio(results, WINDOW_RUN, "orvane-cli"),
                results["orvane-cli"][0]))
    return "\n".join(lines)


def stop_latency(window, source, scratch, runs):
    """Clicks Stop as soon as the run copies; returns the driver's figures, in ms."""
    handled, ended = [], []
    for _ in range(runs):
        destination = os.path.join(scratch, "out")
        fresh(destination)
        text = subprocess.run([window, "--stop", source, destination], check=True,
                              capture_output=True, text=True).stdout.split()
        if "stop-handled-ms" in text:
            handled.append(float(text[text.index("stop-handled-ms") + 1]))
            ended.append(float(text[text.index("stop-run-ended-ms") + 1]))
    shutil.rmtree(os.path.join(scratch, "out"), ignore_errors=True)
    return handled, ended


def latency_table(rows):
    lines = ["| workload | clicks | click to handler: median / max ms | click to run's end: "
             "median / max ms |", "|---|---:|---:|---:|"]
    for workload, (handled, ended) in rows:
        if handled:
            lines.append("| %s | %d | %.1f / %.1f | %.1f / %.1f |" % (
                workload, len(handled), statistics.median(handled), max(handled),
                statistics.median(ended), max(ended)))
        else:
            lines.append("| %s | 0 | - | - |" % workload)
    return "\n".join(lines)


def timed(argv, capture=False):
    """Runs argv; returns (wall seconds, CPU seconds, peak resident KiB, the words of its
    standard output if captured). Only the window driver's output is captured: orvane-cli's
    log lines go to /dev/null, as in every earlier table.

    The peak comes from /usr/bin/time, whose child starts small: a child of this script would
    count the script's own memory, which it shares until it starts the tool. The CPU time is
    what the kernel charged to /usr/bin/time and every process below it, in microseconds
    (time's own share, a fork and a wait, is the same for every tool)."""
    report = "/tmp/orvane-bench-time-%d.txt" % os.getpid()
    start = time.perf_counter()
    child = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", report] + argv,
                             stdout=subprocess.PIPE if capture else subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    said = child.stdout.read() if capture else b""
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        raise subprocess.CalledProcessError(os.waitstatus_to_exitcode(status), argv)
    with open(report) as text:
        peak = int(text.read().split()[-1])
    os.remove(report)
    return seconds, usage.ru_utime + usage.ru_stime, peak, said.split()


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    # Deleting the last run's copy leaves the file system work to finish (journal commits,
    # discards); without a sync it lands on whichever tool is timed next.
    os.sync()


def measure(workload, source, scratch, tool_list, rounds, warmups, rerun):
    """Interleaves the tools round by round; returns {tool: (median wall seconds, peak KiB,
    median CPU seconds)}."""
    times = {tool.name: [] for tool in tool_list}
    cpu = {tool.name: [] for tool in tool_list}
    peaks = {tool.name: 0 for tool in tool_list}
    for round_number in range(warmups + rounds):
        order = list(tool_list)
        random.Random(round_number).shuffle(order)
        for tool in order:
            destination = os.path.join(scratch, "out")
            fresh(destination)
            if rerun:
                # Onto a finished copy: every file is already there with its size.
                subprocess.run(tool.command(source, destination), check=True,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                os.sync()
            seconds, used, peak, said = timed(tool.command(source, destination),
                                              tool.name == WINDOW)
            if round_number >= warmups:
                times[tool.name].append(seconds)
                cpu[tool.name].append(used)
                peaks[tool.name] = max(peaks[tool.name], peak)
                if b"run-s" in said:
                    times.setdefault(WINDOW_RUN, []).append(float(said[said.index(b"run-s") + 1]))
                    # The driver tells the run's wall time only.
                    cpu.setdefault(WINDOW_RUN, []).append(float("nan"))
                    peaks[WINDOW_RUN] = peak
        print("  %s: round %d of %d done" % (workload, round_number + 1, warmups + rounds),
              file=sys.stderr)
    shutil.rmtree(os.path.join(scratch, "out"), ignore_errors=True)
    return {name: (statistics.median(values), peaks[name], statistics.median(cpu[name]))
            for name, values in times.items()}


def stopped_at_half(cli, source, destination, size):
    """Starts a copy of source and stops it (SIGINT, as Ctrl+C) once half the file is written."""
    partial = os.path.join(destination, os.path.basename(source), ".one.bin.orvane-resume")
    run = subprocess.Popen([cli, source, destination], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    while run.poll() is None:
        if os.path.exists(partial) and os.path.getsize(partial) >= size // 2:
            run.send_signal(signal.SIGINT)
            break
        time.sleep(0.001)
    run.wait()


def resume_rounds(cli, source, scratch, size, rounds, warmups):
    """(e): the file of (a) copied whole, and copied again after a stop at half, interleaved.
    Returns the medians of the whole copy and of the resumed run, in seconds, and the median
    share of the file the resumed run copied (from what it says it took over)."""
    whole, resumed, shares = [], [], []
    destination = os.path.join(scratch, "out")
    for round_number in range(warmups + rounds):
        fresh(destination)
        seconds, _, _, _ = timed([cli, source, destination])
        fresh(destination)
        stopped_at_half(cli, source, destination, size)
        os.sync()
        start = time.perf_counter()
        said = subprocess.run([cli, source, destination], check=True, capture_output=True,
                              text=True).stderr
        if round_number >= warmups:
            whole.append(seconds)
            resumed.append(time.perf_counter() - start)
            words = said.split("resumed, ")[1].split() if "resumed, " in said else ["0", "", "1"]
            shares.append(1 - int(words[0]) / int(words[2]))
        print("  e: round %d of %d done" % (round_number + 1, warmups + rounds), file=sys.stderr)
    shutil.rmtree(destination, ignore_errors=True)
    return statistics.median(whole), statistics.median(resumed), statistics.median(shares)


def resume_table(title, figures):
    whole, resumed, share = figures
    return ("| workload | whole copy s | resumed run s | × whole copy | share of the file copied |\n"
            "|---|---:|---:|---:|---:|\n"
            "| %s | %.3f | %.3f | %.2f | %.0f %% |" % (title, whole, resumed, resumed / whole,
                                                     100 * share))


def ratio(results, tool, reference, figure=0):
    """figure 0 compares wall times, 2 CPU times."""
    if reference not in results or results[tool][figure] != results[tool][figure]:
        return "-"
    return "%.2f" % (results[tool][figure] / results[reference][figure])


def baseline_ratio(results, tool, figure):
    """Today's build against the baseline's same mode, in the same rounds."""
    reference = "baseline " + tool
    return ratio(results, tool, reference, figure) if reference in results else ""


def table(all_results):
    """Wall and CPU time, each with its ratios: CPU time is what the program's own work
    decides, wall time adds what the disk makes every tool wait for."""
    with_baseline = any("baseline orvane-cli" in results for _, results in all_results)
    lines = ["| workload | tool | wall s | CPU s | wall × cp -a | CPU × cp -a | wall × rsync -a "
             "| CPU × rsync -a | peak RSS MiB |" +
             (" wall × baseline | CPU × baseline |" if with_baseline else ""),
             "|---|---|---:|---:|---:|---:|---:|---:|---:|" +
             ("---:|---:|" if with_baseline else "")]
    for workload, results in all_results:
        for tool, (seconds, peak, used) in results.items():
            lines.append("| %s | %s | %.3f | %s | %s | %s | %s | %s | %.1f |" % (
                workload, tool, seconds, "-" if used != used else "%.3f" % used,
                ratio(results, tool, "cp -a"), ratio(results, tool, "cp -a", 2),
                ratio(results, tool, "rsync -a"), ratio(results, tool, "rsync -a", 2),
                peak / 1024) +
                (" %s | %s |" % (baseline_ratio(results, tool, 0),
                                 baseline_ratio(results, tool, 2)) if with_baseline else ""))
    return "\n".join(lines)


def window_only(options, quick, rounds, warmups, scratch, cli, window):
    """The window program against orvane-cli alone, on workloads (a) and (b)."""
    print("making the workloads in %s" % scratch, file=sys.stderr)
    big = os.path.join(scratch, "a-big")
    os.makedirs(big)
    make_big_file(os.path.join(big, "one.bin"), (16 if quick else 1024) * MIB)
    small = os.path.join(scratch, "b-small")
    make_small_files(small, 500 if quick else 20000, 10 if quick else 200)
    pair = [tool for tool in tools(cli, window) if tool.name in ("orvane-cli", WINDOW)]
    results = [
        ("(a) one %s file" % ("16 MiB" if quick else "1 GiB"),
         measure("a", big, scratch, pair, rounds, warmups, False)),
        ("(b) %s small files" % ("500" if quick else "20,000"),
         measure("b", small, scratch, pair, rounds, warmups, False)),
    ]
    latency = [("(a)", stop_latency(window, big, scratch, rounds)),
               ("(b)", stop_latency(window, small, scratch, rounds))]
    text = ("Machine: %s. Medians of %d interleaved rounds after %d warm-up%s.\n\n" % (
        machine(), rounds, warmups, "" if warmups == 1 else "s") + window_table(results) +
        "\n\nStop clicked in the window as soon as the run copies, posted from another "
        "thread as the window system posts a click:\n\n" + latency_table(latency) + "\n")
    print(text)
    if options.output:
        with open(options.output, "w") as out:
            out.write(text)
    shutil.rmtree(scratch, ignore_errors=True)


def machine():
    cpu = platform.processor() or platform.machine()
    try:
        with open("/proc/cpuinfo") as info:
            for line in info:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return "%s, %d cores, kernel %s" % (cpu, os.cpu_count(), platform.release())


def file_system(folder):
    """The file system that holds the folder, as the tables name it: its type, whether an ext4
    keeps a journal (without one, its inode allocator makes rounds swing), and the mount
    options that change a copy's cost."""
    fields = subprocess.run(["df", "--output=source,fstype", folder], capture_output=True,
                            text=True).stdout.splitlines()[-1].split()
    source, kind = fields if len(fields) == 2 else ("?", "?")
    text = kind
    try:
        with open("/sys/fs/ext4/%s/journal_task" % os.path.basename(source)) as task:
            text += " without a journal" if "none" in task.read() else " with a journal"
    except OSError:
        pass
    if source.startswith("/dev/loop"):
        text += ", an image on a loop device"
    with open("/proc/mounts") as mounts:
        options = [line.split()[3] for line in mounts if line.split()[0] == source]
    if options and "discard" in options[0].split(","):
        text += ", mounted with discard"
    return text


def load_average():
    return os.getloadavg()[0]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True, help="the orvane-cli to measure")
    parser.add_argument("--scratch", required=True, help="a folder on the file system to test")
    parser.add_argument("--quick", action="store_true", help="small workloads, two rounds")
    parser.add_argument("--output", help="also write the table to this Markdown file")
    parser.add_argument("--real-tree", default="/usr/include")
    parser.add_argument("--window-only", action="store_true",
                        help="only orvane-cli and the window program, on (a) and (b)")
    parser.add_argument("--window", help="also time the window program through this driver "
                        "(orvane-window-bench; needs a display)")
    parser.add_argument("--baseline", help="an earlier orvane-cli, timed beside the measured one")
    parser.add_argument("--workloads", default="abcde", help="the workloads to run, as letters")
    parser.add_argument("--rounds", type=int, help="timed rounds of each workload")
    options = parser.parse_args()

    quick = options.quick
    rounds, warmups = (2, 1) if quick else (5, 1)
    load_at_start = load_average()
    if options.window_only and not quick:
        # The two differ by a few per cent while one round's time swings by half on this disk.
        rounds = 11
    if options.rounds:
        rounds = options.rounds
    scratch = os.path.abspath(options.scratch)
    fresh(scratch)
    cli = os.path.join(scratch, "bin", "orvane-cli")
    os.makedirs(os.path.dirname(cli))
    shutil.copy2(options.cli, cli)  # its logs/ and INI file land in the scratch folder
    window = None
    if options.window:
        window = os.path.join(scratch, "bin", "orvane-window-bench")
        shutil.copy2(options.window, window)

    if options.window_only:
        return window_only(options, quick, rounds, warmups, scratch, cli, window)

    baseline = None
    if options.baseline:
        baseline = os.path.join(scratch, "baseline", "orvane-cli")
        os.makedirs(os.path.dirname(baseline))
        shutil.copy2(options.baseline, baseline)
    wanted = options.workloads

    print("making the workloads in %s" % scratch, file=sys.stderr)
    big = os.path.join(scratch, "a-big")
    os.makedirs(big)
    if "a" in wanted or "e" in wanted:
        make_big_file(os.path.join(big, "one.bin"), (16 if quick else 1024) * MIB)
    small = os.path.join(scratch, "b-small")
    make_small_files(small, 500 if quick else 20000, 10 if quick else 200)
    real = os.path.join(scratch, "d-real")
    make_real_tree(real, options.real_tree, quick)

    every = tools(cli, window, baseline)
    rerun_tools = [tool for tool in every if tool.name != "cp -a"]
    plan = [
        ("a", "(a) one %s file" % ("16 MiB" if quick else "1 GiB"), big, every, False),
        ("b", "(b) %s small files" % ("500" if quick else "20,000"), small, every, False),
        ("c", "(c) (b) onto its finished copy", small, rerun_tools, True),
        ("d", "(d) copy of %s" % options.real_tree, real, every, False),
    ]
    results = [(title, measure(letter, source, scratch, tool_list, rounds, warmups, rerun))
               for letter, title, source, tool_list, rerun in plan if letter in wanted]
    text = table(results)
    if "e" in wanted:
        size = (16 if quick else 1024) * MIB
        text += ("\n\n(a) stopped at half by Ctrl+C and started again, against its whole copy, "
                 "orvane-cli in survey mode:\n\n" +
                 resume_table("(e) one %s file" % ("16 MiB" if quick else "1 GiB"),
                              resume_rounds(cli, big, scratch, size, rounds, warmups)))
    if window:
        latency = [("(a)", stop_latency(window, big, scratch, rounds)),
                   ("(b)", stop_latency(window, small, scratch, rounds))]
        # Its rows are in the table above; --window-only gives its ratios to orvane-cli.
        text += ("\n\nStop clicked in the window as soon as the run copies, posted from another "
                 "thread as the window system posts a click:\n\n" + latency_table(latency))
    text = ("Machine: %s. File system: %s. Medians of %d interleaved rounds after %d warm-up%s; "
            "load average %.1f at the start, %.1f at the end.\n\n" % (
                machine(), file_system(scratch), rounds, warmups, "" if warmups == 1 else "s",
                load_at_start, load_average()) + text)
    print(text)
    if options.output:
        with open(options.output, "w") as out:
            out.write(text + "\n")
    shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
