#include "OptionsWindowLink.h"

#include "FormProperty.h"
#include "app/FormMain.h"

namespace gb {

void InstallOptionsWindow(FormMain& main) {
    main.Seams.ShowOptions = [](FormMain& owner) {
        FormProperty options({[&owner] { return owner.CanTrashRecents(); }, [&owner] { owner.TrashRecents(); }},
                             &owner);
        options.exec();
    };
}

} // namespace gb
