#include "framework/render/window_size.h"

int WIDTH = 0;
int HEIGHT = 0;
