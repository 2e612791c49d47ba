#include "framework/window/image_button_class.h"

// The image buttons are not part of the framework yet: until their code
// provides the class, this step registers nothing. WINDOWREGISTER already
// calls it in its place, after the main window class.
void register_image_button_class() {}
