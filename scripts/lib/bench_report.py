"""Tables of scripts/bench.sh from the figure lines of the timing programs.

  bench_report.py write RAW PREFIX --machine M --compiler C --build-type B --runs N
      reads RAW ("figure<TAB>key<TAB>value<TAB>unit" lines, one per run and
      measurement), prints the table and writes PREFIX.md and PREFIX.json
  bench_report.py compare OLD.json NEW.json
      prints the medians of both runs side by side
"""
import argparse
import datetime
import json
import statistics
import sys

FRAMES = 200
SIZES = (32, 64, 128)
RENDER = "render "


def read_figures(path):
    values, units = {}, {}
    with open(path) as raw:
        for line in raw:
            parts = line.rstrip("\n").split("\t")
            if len(parts) != 4 or parts[0] != "figure":
                continue
            _, key, value, unit = parts
            values.setdefault(key, []).append(float(value))
            units[key] = unit
    return {
        key: {"median": statistics.median(v), "min": min(v), "max": max(v), "unit": units[key],
              "values": v}
        for key, v in values.items()
    }


def spread(figure):
    median = figure["median"]
    return 100 * (figure["max"] - figure["min"]) / median if median else 0


def cell(figure, digits=4):
    return f"{figure['median']:.{digits}f} ±{spread(figure):.0f}%"


def render_key(what, size, effect):
    return f"{RENDER}{what} {size} px/{effect}"


def effects_of(figures):
    return sorted({k.split("/", 1)[1] for k in figures if k.startswith(RENDER)})


def ns_per_pixel(seconds, size):
    return seconds / (FRAMES * size * size) * 1e9


def renderer_table(figures):
    lines = ["| effect (200 frames, CPU s) | " +
             " | ".join(f"{s} px: s | fps | ns/px | AA × | shadows ×" for s in SIZES) + " |",
             "|---|" + "---|---|---|---|---|" * len(SIZES)]
    for effect in effects_of(figures):
        row = [effect]
        for size in SIZES:
            plain = figures.get(render_key("plain", size, effect))
            smooth = figures.get(render_key("antialiased", size, effect))
            shadows = figures.get(render_key("shadows", size, effect))
            if not plain:
                row += ["–"] * 5
                continue
            p = plain["median"]
            row += [cell(plain), f"{FRAMES / p:.0f}", f"{ns_per_pixel(p, size):.1f}",
                    f"{smooth['median'] / p:.2f}" if smooth else "–",
                    f"{shadows['median'] / p:.2f}" if shadows else "–"]
        lines.append("| " + " | ".join(row) + " |")
    return lines


def summary(figures):
    """Per size: mean and slowest plain time, the ratios and ffmpeg's rate."""
    result = {}
    effects = effects_of(figures)
    for size in SIZES:
        plain = {e: figures[render_key("plain", size, e)]["median"] for e in effects
                 if render_key("plain", size, e) in figures}
        if not plain:
            continue
        mean = statistics.mean(plain.values())
        slowest = max(plain, key=plain.get)
        aa = [figures[render_key("antialiased", size, e)]["median"] / plain[e] for e in plain
              if render_key("antialiased", size, e) in figures]
        sh = [figures[render_key("shadows", size, e)]["median"] / plain[e] for e in plain
              if render_key("shadows", size, e) in figures]
        entry = {"mean s": mean, "mean fps": FRAMES / mean, "mean ns/px": ns_per_pixel(mean, size),
                 "slowest": slowest, "slowest s": plain[slowest],
                 "antialiasing × max": max(aa) if aa else None,
                 "shadows × max": max(sh) if sh else None}
        ffmpeg = figures.get(f"ffmpeg xfade {size} px")
        if ffmpeg:
            entry["ffmpeg xfade s"] = ffmpeg["median"]
            entry["renderer fps / ffmpeg fps"] = ffmpeg["median"] / mean
        result[size] = entry
    return result


def summary_lines(s):
    lines = ["| size | mean s | mean fps | ns/px | slowest | AA × (worst) | shadows × (worst) "
             "| ffmpeg xfade s | renderer / ffmpeg fps |", "|---|---|---|---|---|---|---|---|---|"]
    for size, e in s.items():
        def num(key, fmt):
            return format(e[key], fmt) if e.get(key) is not None else "–"
        lines.append(f"| {size} px | {e['mean s']:.4f} | {e['mean fps']:.0f} | "
                     f"{e['mean ns/px']:.1f} | {e['slowest']} {e['slowest s']:.4f} | "
                     f"{num('antialiasing × max', '.2f')} | {num('shadows × max', '.2f')} | "
                     f"{num('ffmpeg xfade s', '.4f')} | {num('renderer fps / ffmpeg fps', '.1f')} |")
    return lines


FINAL = "1080p "
FINAL_FRAMES = 50
FINAL_COLUMNS = ("1 thread", "all threads", "1 thread with PNG", "all threads with PNG",
                 "whole command")


def final_lines(figures):
    """Final renders at 1920 x 1080: frames per second of each effect."""
    effects = sorted({k.split("/", 1)[1] for k in figures if k.startswith(FINAL) and "/" in k})
    if not effects:
        return []
    lines = ["| effect (50 frames, wall fps) | " + " | ".join(FINAL_COLUMNS) + " |",
             "|---|" + "---|" * len(FINAL_COLUMNS)]
    for effect in effects + ["mean"]:
        row = [effect]
        for column in FINAL_COLUMNS:
            if effect == "mean":
                times = [figures[f"{FINAL}{column}/{e}"]["median"] for e in effects
                         if f"{FINAL}{column}/{e}" in figures]
                row.append(f"{FINAL_FRAMES / statistics.mean(times):.1f}" if times else "–")
                continue
            f = figures.get(f"{FINAL}{column}/{effect}")
            row.append(f"{FINAL_FRAMES / f['median']:.1f} ±{spread(f):.0f}%" if f else "–")
        lines.append("| " + " | ".join(row) + " |")
    for what in ("1 thread", "default threads"):
        f = figures.get(f"{FINAL}ffmpeg xfade {what}")
        if f:
            blanks = " |" * (len(FINAL_COLUMNS) - 1)
            lines.append(f"| ffmpeg xfade, {what} | {FINAL_FRAMES / f['median']:.1f} |{blanks}")
    return lines


def other_lines(figures):
    lines = ["| figure | median | spread (min–max) | unit |", "|---|---|---|---|"]
    for key, f in sorted(figures.items()):
        if key.startswith(RENDER) or key.startswith("ffmpeg ") or key.startswith(FINAL):
            continue
        lines.append(f"| {key} | {f['median']:.3f} | {f['min']:.3f}–{f['max']:.3f} | "
                     f"{f['unit']} |")
    return lines


def write(args):
    figures = read_figures(args.raw)
    if not figures:
        sys.exit(f"no figures in {args.raw}")
    run = {"date": datetime.datetime.now(datetime.timezone.utc).isoformat(timespec="seconds"),
           "machine": args.machine, "compiler": args.compiler, "build type": args.build_type,
           "runs": args.runs, "summary": {f"{k} px": v for k, v in summary(figures).items()},
           "figures": figures}
    text = [f"# Benchmarks {run['date']}", "",
            f"Machine: {args.machine}  ", f"Compiler: {args.compiler}  ",
            f"Build type: {args.build_type}; each figure the median of {args.runs} runs, "
            "± the spread (max − min) / median.", "",
            "## Renderer (Rnd_Software, one thread) and ffmpeg xfade", ""]
    text += summary_lines(summary(figures)) + [""] + renderer_table(figures) + [""]
    final = final_lines(figures)
    if final:
        text += ["## Final renders, 1920 x 1080 (render library, Rnd_Software; wall clock)", ""]
        text += final + [""]
    text += ["## Library, engine and Windows user interface", ""] + other_lines(figures)
    markdown = "\n".join(text) + "\n"
    with open(args.prefix + ".md", "w") as out:
        out.write(markdown)
    with open(args.prefix + ".json", "w") as out:
        json.dump(run, out, indent=1)
    print(markdown)


def compare(args):
    runs = []
    for path in (args.old, args.new):
        with open(path) as f:
            runs.append(json.load(f))
    old, new = (r["figures"] for r in runs)
    print(f"| figure | {args.old} | {args.new} | new / old |\n|---|---|---|---|")
    for key in sorted(set(old) & set(new)):
        if key.startswith(RENDER) and " 128 px/" not in key:
            continue
        a, b = old[key]["median"], new[key]["median"]
        print(f"| {key} ({new[key]['unit']}) | {a:.4g} | {b:.4g} | "
              f"{b / a if a else float('nan'):.2f} |")
    for size in SIZES:
        a = runs[0]["summary"].get(f"{size} px")
        b = runs[1]["summary"].get(f"{size} px")
        if a and b:
            print(f"| mean {size} px, 200 frames (s) | {a['mean s']:.4g} | {b['mean s']:.4g} | "
                  f"{b['mean s'] / a['mean s']:.2f} |")


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="command", required=True)
    w = sub.add_parser("write")
    w.add_argument("raw")
    w.add_argument("prefix")
    for option in ("--machine", "--compiler", "--build-type", "--runs"):
        w.add_argument(option, required=True)
    c = sub.add_parser("compare")
    c.add_argument("old")
    c.add_argument("new")
    args = parser.parse_args()
    write(args) if args.command == "write" else compare(args)


if __name__ == "__main__":
    main()
