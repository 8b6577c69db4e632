#pragma once
// Lets the window layer paint on the drawing layer's device contexts and read their
// fonts (title strips, panels, textures the toolkit draws on a context it is given).

namespace gb {

// Called once at start-up, after the application object exists.
void ConnectDrawingToWindowLayer();

} // namespace gb
