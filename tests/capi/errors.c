/* The C interface's failures: each is a status and a message, the program goes on, no unfinished
 * file is left, and the desk can still be closed. errors <font folder>; the exit status counts
 * the checks that failed. */
#include "velora_c.h"

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void expect(int condition, const char* what) {
    if (!condition) {
        ++failures;
        fprintf(stderr, "FAILED: %s (last error: %s)\n", what, velora_last_error());
    }
}

static int exists(const char* file) {
    FILE* f = fopen(file, "rb");
    if (f) fclose(f);
    return f != NULL;
}

static velora_desk* opened(const char* name, const char* fonts) {
    velora_desk* page = velora_desk_new();
    velora_desk_setfontpath(page, fonts);
    expect(velora_desk_open(page, VELORA_EPS | VELORA_SVG, name) == VELORA_OK, name);
    return page;
}

int main(int argc, char** argv) {
    const char* fonts = argc > 1 ? argv[1] : ".";
    velora_desk* page;
    velora_desk* bystander;
    velora_box* box;
    double x[2] = {0, 1};

    /* A file that cannot be created. */
    page = velora_desk_new();
    expect(velora_desk_open(page, VELORA_EPS, "no-such-folder/figure") == VELORA_FAILED,
           "an unwritable file fails");
    expect(strstr(velora_last_error(), "no-such-folder/figure") != NULL,
           "the message names the file");
    expect(velora_desk_close(page) == VELORA_OK, "the desk closes after its failure");
    expect(velora_desk_free(page) == VELORA_OK, "and is freed");

    /* A range a box cannot draw removes the desk's files; a desk open beside it loses its files
     * too, and says so when it is closed. */
    bystander = opened("errors_bystander", fonts);
    velora_desk_line(bystander, 0, 0, 10, 10, 1);
    page = opened("errors_range", fonts);
    box = velora_box_new(page);
    expect(box != NULL, "a box is made");
    velora_box_init(box, 20, 15, 120, 90, 1, 1);
    expect(velora_box_dim(box, 1, 1, 0, 1, 0, 0, 1, 0) == VELORA_FAILED, "an empty range fails");
    expect(strstr(velora_last_error(), "4098") != NULL, "the message has the error's code");
    expect(velora_box_free(box) == VELORA_OK, "the box is freed after its failure");
    expect(velora_desk_close(page) == VELORA_OK, "the failing desk closes");
    velora_desk_free(page);
    expect(!exists("errors_range.eps") && !exists("errors_range.svg"),
           "no unfinished file is left");
    expect(velora_desk_close(bystander) == VELORA_FAILED, "the bystander says its files are gone");
    expect(!exists("errors_bystander.eps"), "the bystander's file is gone");
    velora_desk_free(bystander);

    /* Use after close, null handles and arrays. */
    page = opened("errors_closed", fonts);
    box = velora_box_new(page);
    expect(velora_desk_close(page) == VELORA_OK, "a desk closes");
    expect(exists("errors_closed.eps"), "and its file is there");
    expect(velora_desk_line(page, 0, 0, 1, 1, 0) == VELORA_CLOSED, "drawing after close");
    expect(velora_box_connectpoints_d(box, x, x, 2, 0, 1) == VELORA_CLOSED, "a box after close");
    expect(velora_box_new(page) == NULL, "no box on a closed desk");
    velora_box_free(box);
    velora_desk_free(page);
    expect(velora_desk_line(NULL, 0, 0, 1, 1, 0) == VELORA_INVALID, "a null desk");
    expect(velora_box_init(NULL, 0, 0, 1, 1, 1, 1) == VELORA_INVALID, "a null box");
    page = opened("errors_null", fonts);
    box = velora_box_new(page);
    velora_box_init(box, 20, 15, 120, 90, 1, 1);
    velora_box_dim(box, 0, 1, 0, 1, 0, 0, 1, 0);
    expect(velora_box_connectpoints_d(box, NULL, x, 2, 0, 1) == VELORA_INVALID, "a null array");
    expect(velora_box_connectpoints_d(box, NULL, NULL, 0, 0, 1) == VELORA_OK, "an empty series");
    expect(velora_box_showmap_d(box, 0, 0, 1, 1, x, 2, 1, 0, 0, 9) == VELORA_INVALID,
           "a colour map out of range");
    expect(velora_box_label(box, NULL, "y", 1, 0, 1, 0) == VELORA_INVALID, "a null text");
    expect(velora_box_showpoints_d(box, x, x, -1, 0, 1, 1) == VELORA_INVALID, "a negative count");
    expect(velora_box_dim((velora_box*)page, 0, 1, 0, 1, 0, 0, 1, 0) == VELORA_INVALID,
           "a desk given as a box");
    expect(velora_box_hwrite(box, 0.5f, 0.5f, "\xff\xfe\xc3(", 0, 0, 1, 1, 1) == VELORA_OK,
           "a text that is not UTF-8 is drawn as the code page's");
    velora_box_free(box);
    expect(velora_desk_close(page) == VELORA_OK, "the desk of refused calls closes");
    velora_desk_free(page);

    /* A font file that is not there. */
    page = velora_desk_new();
    velora_desk_setfontpath(page, "no-such-fonts");
    velora_desk_open(page, VELORA_EPS, "errors_fonts");
    expect(velora_box_new(page) == NULL, "no box without its font file");
    expect(strstr(velora_last_error(), "Velfont.bin") != NULL, "the message names the font file");
    velora_desk_free(page);

    /* After all that, a figure is drawn as ever. */
    page = opened("errors_after", fonts);
    box = velora_box_new(page);
    velora_box_init(box, 20, 15, 120, 90, 1, 1);
    expect(velora_box_dim(box, 0, 1, 0, 1, 0, 0, 1, 0) == VELORA_OK, "a range after failures");
    expect(velora_box_connectpoints_d(box, x, x, 2, 0, 1) == VELORA_OK, "a series");
    velora_box_free(box);
    expect(velora_desk_free(page) == VELORA_OK, "free closes the desk");
    expect(exists("errors_after.eps") && exists("errors_after.svg"), "the files are there");

    if (failures == 0) printf("errors: all checks passed\n");
    return failures;
}
