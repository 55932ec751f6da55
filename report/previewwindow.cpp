#include "previewwindow.h"
