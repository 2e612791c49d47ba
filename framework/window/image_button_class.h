// Registration of the image-button window class, the last step of
// WINDOWREGISTER. Its outcome does not affect WINDOWREGISTER's result.
#pragma once

void register_image_button_class();
