/* Draws the shared figure through the C interface: client <name> <font folder>. */
#include "figure.h"

#include <stdio.h>

int main(int argc, char** argv) {
    int status;
    if (argc != 3) {
        fprintf(stderr, "usage: client <name> <font folder>\n");
        return 2;
    }
    status = draw_figure(argv[1], argv[2]);
    if (status != VELORA_OK) fprintf(stderr, "client: %d %s\n", status, velora_last_error());
    return status;
}
