// PaneKit: the plain threaded window.
#include "panekit.h"

PaneKit::PaneKit() = default;

PaneKit::~PaneKit() = default;
