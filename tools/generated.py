"""What the scripts that write the engine's generated tables share: asking the npm
package lunar-javascript, a second and unrelated calendar, and the three ways
each script runs (write, --cross-check, --check)."""
import json
import pathlib
import subprocess
import sys
import tempfile

SECOND_CALENDAR = "lunar-javascript@1.7.7"


def ask_second_calendar(script, *arguments):
    """Runs the node `script` with lunar-javascript installed into a temporary
    folder (that needs npm and the npm registry); gives the package's version and
    the JSON the script printed."""
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["npm", "install", "--no-save", "--no-audit", "--no-fund", "--prefix", folder, SECOND_CALENDAR],
                       check=True, stdout=subprocess.DEVNULL)
        package = json.loads((pathlib.Path(folder) / "node_modules" / "lunar-javascript" / "package.json").read_text())
        answer = subprocess.run(["node", "-e", script, *(json.dumps(argument) for argument in arguments)],
                                cwd=folder, check=True, capture_output=True, text=True).stdout
    return package["version"], json.loads(answer)


def write_or_check(output, text, cross_check, source, usage):
    """Without arguments: cross-checks, then writes `text` to `output`. With
    --cross-check: cross-checks and compares. With --check: compares only
    (offline, for ctest)."""
    mode = sys.argv[1:]
    if mode not in ([], ["--check"], ["--cross-check"]):
        sys.exit(usage)
    if mode != ["--check"]:
        cross_check()
    if mode:
        if not output.exists() or output.read_text() != text:
            sys.exit(f"{output} differs from {source}; run {sys.argv[0]} to write it again")
        print(f"{output.name} agrees with {source}")
        return
    output.write_text(text)
    print(f"wrote {output}")
