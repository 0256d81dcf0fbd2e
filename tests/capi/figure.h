/* One figure drawn through the C interface: every client that draws it (C, C compiled for
 * Visual C++, C++ through the classes, Python) must write the same EPS bytes. The values are
 * sums and products of exact binary fractions, so every language computes the same doubles. */
#ifndef VELORA_TEST_CAPI_FIGURE_H
#define VELORA_TEST_CAPI_FIGURE_H

#include "velora_c.h"

#define FIGURE_POINTS 41

static int figure_check(int status, int* first) {
    if (status != VELORA_OK && *first == VELORA_OK) *first = status;
    return status;
}

/* Draws the figure into `name`.eps with the font file of `fontdir`; the first failing status, or
 * VELORA_OK. */
static int draw_figure(const char* name, const char* fontdir) {
    double x[FIGURE_POINTS], y[FIGURE_POINTS], low[FIGURE_POINTS], high[FIGURE_POINTS];
    float xf[10], yf[10];
    velora_legend_entry entries[2];
    int status = VELORA_OK, i;
    int orange = velora_rgb(200, 80, 20);
    velora_desk* page = velora_desk_new();
    velora_box* box;
    velora_text* text;

    for (i = 0; i < FIGURE_POINTS; ++i) {
        x[i] = i * 0.25;
        y[i] = ((i * 7) % 11) * 0.25 - 1.25;
        low[i] = y[i] - 0.25;
        high[i] = y[i] + 0.5;
    }
    for (i = 0; i < 10; ++i) {
        xf[i] = (float)i;
        yf[i] = 0.5f * (float)(i % 3) - 0.5f;
    }
    entries[0].text = "fit";
    entries[0].colour = 3;
    entries[0].dash = 1.0f;
    entries[0].marker = -1;
    entries[0].patch = 0.0f;
    entries[1].text = "data";
    entries[1].colour = orange;
    entries[1].dash = -1.0f;
    entries[1].marker = 0x105;
    entries[1].patch = 0.0f;

    figure_check(velora_desk_setfontpath(page, fontdir), &status);
    figure_check(velora_desk_open(page, VELORA_EPS, name), &status);
    box = velora_box_new(page);
    if (!box) figure_check(VELORA_FAILED, &status);
    figure_check(velora_box_init(box, 20, 15, 120, 90, 1, 1), &status);
    figure_check(velora_box_dim(box, 0, 10, -1.5f, 1.5f, 0, 0, 1, 0), &status);
    figure_check(velora_box_label(box, "t // s", "u // V", 1.0f, 0, 1, 0), &status);
    figure_check(velora_desk_setfillopacity(page, 0.3f), &status);
    figure_check(
        velora_box_fillbetween_d(box, x, low, high, FIGURE_POINTS, velora_rgb(68, 119, 170)),
        &status);
    figure_check(velora_desk_setfillopacity(page, 1.0f), &status);
    figure_check(velora_box_connectpoints_d(box, x, y, FIGURE_POINTS, 3, 1.0f), &status);
    figure_check(velora_box_connectpoints_d(box, x, high, FIGURE_POINTS, 1, 0.5f), &status);
    figure_check(velora_box_showpoints_f(box, xf, yf, 10, orange, 0x105, 1.0f), &status);
    figure_check(velora_box_showerrorbars_f(box, xf, yf, yf, 10, 9, 0, 1.0f), &status);
    figure_check(velora_box_hwrite(box, 5, 1.2f, "Velora", 0, 0, 1.0f, 1, 1), &status);
    figure_check(velora_box_legend(box, entries, 2, 0, 0.9f), &status);
    figure_check(velora_desk_line(page, 5, 5, 30, 5, 1), &status);
    text = velora_text_new(page);
    if (!text) figure_check(VELORA_FAILED, &status);
    figure_check(velora_text_hwrite(text, 70, 95, "C interface", 2, 1, 1.0f, 0, 1), &status);
    figure_check(velora_text_free(text), &status);
    figure_check(velora_box_free(box), &status);
    figure_check(velora_desk_close(page), &status);
    figure_check(velora_desk_free(page), &status);
    return status;
}

#endif
