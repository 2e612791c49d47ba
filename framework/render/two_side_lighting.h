// Two-sided lighting on and off around the drawing of open surfaces.
#pragma once

void TWOSIDEON();
void TWOSIDEOFF();
