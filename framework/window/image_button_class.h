// Registration of the image-button window class "IMAGEBUTTON", the last step
// of WINDOWREGISTER: only when the class is not known yet. Its outcome does
// not affect WINDOWREGISTER's result.
#pragma once

void register_image_button_class();
