#pragma once
// Gives the main window its album editor: the view menu's "アルバムのプロパティ" shows
// the editor of the current album (made on first showing, then hidden and shown
// again), and opening another album unloads it, so that the next album gets a new one.
namespace gb {

class FormMain;

void InstallAlbumEditor(FormMain& main);

} // namespace gb
