"""The Python package over the C interface: the C++ classes' bytes, its failures as exceptions,
its arrays, and no growth over many desks."""

import os
import subprocess

import numpy as np
import pytest

import velora

FONTS = os.environ["VELORA_FONT_DIR"]


def draw_figure(name):
    """The figure of tests/capi/figure.h, call for call."""
    i = np.arange(41)
    x = i * 0.25
    y = ((i * 7) % 11) * 0.25 - 1.25
    xf = np.arange(10, dtype=np.float32)
    yf = (0.5 * (np.arange(10) % 3) - 0.5).astype(np.float32)
    orange = velora.rgb(200, 80, 20)
    with velora.Desk(name, eps=True, fontpath=FONTS) as page:
        box = page.box(20, 15, 120, 90)
        box.dim(0, 10, -1.5, 1.5)
        box.label("t // s", "u // V", size=1.0)
        page.setfillopacity(0.3)
        box.fillbetween(x, y - 0.25, y + 0.5, color=velora.rgb(68, 119, 170))
        page.setfillopacity(1.0)
        box.connectpoints(x, y, color=3)
        box.connectpoints(x, y + 0.5, color=1, dash=0.5)
        box.showpoints(xf, yf, color=orange, symbol=0x105)
        box.showerrorbars(xf, yf, yf, symbol=9, color=0)
        box.hwrite(5, 1.2, "Velora")
        box.legend([velora.LegendEntry.line("fit", 3), velora.LegendEntry.points("data", orange,
                                                                                 0x105)])
        page.line(5, 5, 30, 5, 1)
        text = page.text()
        text.hwrite(70, 95, "C interface", color=2, font=1, halign=0)
        del text, box
    return page


def test_the_figure_has_the_bytes_of_the_cxx_classes(tmp_path):
    subprocess.run([os.environ["VELORA_TWIN"], str(tmp_path / "cpp"), FONTS], check=True)
    draw_figure(str(tmp_path / "py"))
    assert (tmp_path / "py.eps").read_bytes() == (tmp_path / "cpp.eps").read_bytes()


def test_failures_raise_with_the_library_message_and_leave_no_file(tmp_path):
    with pytest.raises(velora.Error, match="nicht"):
        velora.Desk(str(tmp_path / "missing" / "figure"), eps=True)
    name = str(tmp_path / "range")
    page = velora.Desk(name, eps=True, pdf=True, fontpath=FONTS)
    box = page.box(20, 15, 120, 90)
    with pytest.raises(velora.Error, match="4099"):
        box.dim(0, 1, 2, 2)
    page.close()
    assert sorted(os.listdir(tmp_path)) == []
    with pytest.raises(velora.Error, match="Velfont.bin"):
        with velora.Desk(str(tmp_path / "fonts"), eps=True, fontpath=str(tmp_path)) as page:
            page.box(20, 15, 120, 90)


def test_use_after_close_raises(tmp_path):
    page = velora.Desk(str(tmp_path / "closed"), svg=True, fontpath=FONTS)
    box = page.box(20, 15, 120, 90)
    page.close()
    with pytest.raises(velora.Error, match="not open"):
        page.line(0, 0, 1, 1, 0)
    with pytest.raises(velora.Error, match="not open"):
        box.connectpoints([0, 1], [0, 1])
    with pytest.raises(velora.Error):
        page.box(20, 15, 120, 90)
    assert page._repr_svg_().lstrip().startswith("<")


def test_arrays_of_the_wrong_type_or_length_raise(tmp_path):
    with velora.Desk(str(tmp_path / "arrays"), fontpath=FONTS) as page:
        box = page.box(20, 15, 120, 90)
        box.dim(0, 1, 0, 1)
        with pytest.raises(TypeError):
            box.connectpoints(["a", "b"], [0, 1])
        with pytest.raises(TypeError):
            box.showpoints(None, None)
        with pytest.raises(TypeError):
            box.hwrite(0, 0, 42)
        with pytest.raises(ValueError):
            box.connectpoints([0, 1, 2], [0, 1])
        with pytest.raises(ValueError):
            box.showpoints(np.zeros((2, 2)), np.zeros((2, 2)))
        with pytest.raises(ValueError):
            box.showmap(0, 0, 1, 1, np.zeros(4))
        # Every other kind of number is taken: ints, a strided view, floats of single width.
        box.connectpoints(np.arange(4), np.arange(8.0)[::2])
        box.connectpoints([0, 0.5, 1], [1, 0.5, 0])
        box.showpoints(np.zeros(3, np.float32), np.ones(3, np.float32))


def rss_kilobytes():
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE") // 1024


def test_ten_thousand_desks_leave_nothing_behind(tmp_path):
    name = str(tmp_path / "again")
    x = np.linspace(0, 1, 100)

    def one_desk():
        with velora.Desk(name, eps=True, svg=True, fontpath=FONTS) as page:
            box = page.box(20, 15, 120, 90)
            box.dim(0, 1, 0, 1)
            box.connectpoints(x, x)

    for _ in range(500):
        one_desk()
    before = rss_kilobytes()
    for _ in range(10000):
        one_desk()
    grown = rss_kilobytes() - before
    print("growth over 10,000 desks: %d KB" % grown)
    assert grown < 1024


def test_a_client_table_maps_as_the_published_map_it_copies(tmp_path):
    z = np.add.outer(np.arange(6.0), np.arange(8.0) ** 2)
    grey = np.repeat(np.arange(256), 3).reshape(256, 3)
    for name, colours in (("published", velora.MAP_GREY), ("table", grey)):
        with velora.Desk(str(tmp_path / name), eps=True, fontpath=FONTS) as page:
            box = page.box(20, 15, 100, 90)
            box.dim(0, 8, 0, 6)
            box.showmap(0, 0, 8, 6, z, map=colours)
            box.colorbar(0, 55, colours, "z")
    assert (tmp_path / "table.eps").read_bytes() == (tmp_path / "published.eps").read_bytes()
