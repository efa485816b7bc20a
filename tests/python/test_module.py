"""The module against the tool: the same values, reports, bytes and refusals."""

import concurrent.futures
import glob
import json
import os
import re
import shutil
import stat
import subprocess

import pytest
import tw_configctd

TOOL = os.environ["TW_CONFIGCTD_TOOL"]
EXAMPLES = sorted(glob.glob("examples/*.xmlcon") + glob.glob("examples/*.con"))
PROFILING = "examples/64plusV2-profiling.xmlcon"


def tool(*args, status=0):
    run = subprocess.run([TOOL, *args], capture_output=True, check=False)
    assert run.returncode == status, run.stderr
    return run


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


@pytest.mark.parametrize("example", EXAMPLES)
def test_equal_to_the_tool(example, tmp_path):
    cfg = tw_configctd.read(example)
    info = json.loads(tool("info", "--json", example).stdout)
    assert cfg.to_dict() == info
    assert (cfg.model, cfg.ctd_id, cfg.settings, cfg.channels) == (
        info["model"], info["ctd_id"], info["settings"], info["channels"])
    stored = re.sub(r"\.xmlcon$", "", example) + ".report.txt"
    assert cfg.report() == read_bytes(stored).decode("latin-1")
    for suffix in (".xmlcon", ".con"):
        ours, theirs = tmp_path / ("module" + suffix), tmp_path / ("tool" + suffix)
        converted = subprocess.run([TOOL, "convert", example, theirs], capture_output=True)
        if converted.returncode == 0:
            cfg.write(ours)
            assert read_bytes(ours) == read_bytes(theirs)
        else:
            with pytest.raises(OSError):
                cfg.write(ours)
            assert not ours.exists()


def test_catalogue_new_and_version(tmp_path):
    listed = tool("list", "instruments").stdout.decode("latin-1").splitlines()
    rows = tw_configctd.instruments()
    assert len(rows) == len(listed)
    for row, line in zip(rows, listed):
        fixed = ",".join(str(s) for s in row["fixed_sensors"])
        values = [row["id"], row["name"], row["frequency_channels_max"],
                  row["voltage_channels_max"], row["channels_locked"], row["channels_min"],
                  row["channels_max"], fixed]
        assert "\t".join(str(v) for v in values) == line
        tool("new", str(row["id"]), tmp_path / "tool.xmlcon")
        tw_configctd.new(row["id"]).write(tmp_path / "module.xmlcon")
        assert read_bytes(tmp_path / "module.xmlcon") == read_bytes(tmp_path / "tool.xmlcon")
    sensors = tool("list", "sensors").stdout.decode("latin-1").splitlines()
    assert ["\t".join(str(int(v) if isinstance(v, bool) else v) for v in row.values())
            for row in tw_configctd.sensors()] == sensors
    assert tool("--version").stdout.decode().split() == ["tw-configctd", tw_configctd.__version__]
    with pytest.raises(ValueError, match="names no instrument model"):
        tw_configctd.new("TDW 99")


EDITS = {
    "settings.ScansToAverage": 4,
    "channels.1.coefficients.G": -4.1,
    "channels.1.coefficients.Coefficients[equation=0].CPcor": "-9.5e-08",
    "channels.3.serial_number": "Né-04",
}


def test_set_write_diff_round_trip(tmp_path):
    original = tw_configctd.read(PROFILING)
    cfg = original.copy()
    for name, value in EDITS.items():
        cfg.set(name, value)
    assert cfg.channels[1]["coefficients"]["Coefficients[equation=0].CPcor"] == -9.5e-08
    assert cfg.channels[3]["serial_number"] == "Né-04"
    assert original == tw_configctd.read(PROFILING) and original != cfg
    cfg.write(tmp_path / "edited.xmlcon")
    assert tw_configctd.read(tmp_path / "edited.xmlcon") == cfg
    assert "Né-04".encode() in read_bytes(tmp_path / "edited.xmlcon")
    legacy = tw_configctd.read("examples/812plus-configured.con")
    legacy.set("channels.0.serial_number", "Né-04")
    legacy.write(tmp_path / "edited.con")
    assert "Né-04".encode("latin-1") in read_bytes(tmp_path / "edited.con")
    assert tw_configctd.read(tmp_path / "edited.con") == legacy
    differences = tw_configctd.diff(PROFILING, tmp_path / "edited.xmlcon")
    tool_diff = tool("diff", "--json", PROFILING, tmp_path / "edited.xmlcon", status=1)
    assert differences == json.loads(tool_diff.stdout)["differences"]
    assert sorted(d["name"] for d in differences) == sorted(EDITS)
    assert tw_configctd.diff(original, PROFILING) == []


REFUSALS = [
    ("settings.Bogus", 1, "no such setting or coefficient"),
    ("settings.ScansToAverage", 0, "0 is refused"),
    ("channels.1.coefficients.G", "big", "'big' is not a number"),
    ("channels.1.coefficients.G", float("nan"), "'nan' is not a finite number"),
    ("channels.1.coefficients.G", "-Infinity", "is not a finite number"),
    ("channels.1.coefficients.G", "1e400", "is not a finite number"),
    ("channels.3.serial_number", "04\n1234", "channels.3.serial_number: '04\\n1234' holds a control"),
    ("channels.3.serial_number", "\x1b[31m", "holds a control character"),
    ("channels.3.serial_number", "04-€", "outside Latin-1"),
]


def test_refusals_change_nothing(tmp_path):
    cfg = tw_configctd.read(PROFILING)
    before = cfg.to_dict()
    for name, value, reason in REFUSALS:
        with pytest.raises(tw_configctd.RefusedError, match=re.escape(reason)):
            cfg.set(name, value)
        assert cfg.to_dict() == before
    with pytest.raises(TypeError):
        cfg.set("settings.ScansToAverage", [4])

    with pytest.raises(FileNotFoundError):
        tw_configctd.read(tmp_path / "missing.xmlcon")
    (tmp_path / "plain.txt").write_text("not a configuration\n")
    (tmp_path / "broken.xmlcon").write_bytes(read_bytes(PROFILING)[:300])
    for bad in (tmp_path / "plain.txt", tmp_path / "broken.xmlcon", tmp_path):
        with pytest.raises(tw_configctd.ReadError) as error:
            tw_configctd.read(bad)
        said = tool("validate", bad, status=1).stdout.decode("latin-1").splitlines()[0]
        assert said.endswith("error: " + str(error.value))
        assert error.value.filename == str(bad)
        assert (error.value.line is not None) == (bad.name == "broken.xmlcon")

    kept = tmp_path / "kept.xmlcon"
    shutil.copy(PROFILING, kept)
    os.chmod(kept, stat.S_IRUSR)
    with pytest.raises(OSError, match="write-protected"):
        cfg.write(kept)
    assert read_bytes(kept) == read_bytes(PROFILING)
    with pytest.raises(OSError):
        cfg.write(tmp_path / "no" / "folder.xmlcon")


def outcome(path):
    try:
        return tw_configctd.read(path).to_dict()
    except tw_configctd.ReadError as error:
        return str(error)


def test_threads_read_at_once():
    # Good files and bad ones mixed: each read keeps its own values and reason.
    paths = EXAMPLES + ["CMakeLists.txt", "examples", "tests/python/test_module.py"]
    alone = {path: outcome(path) for path in paths}
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        together = list(pool.map(lambda p: (p, outcome(p)), paths * 4))
    assert all(alone[path] == found for path, found in together)
