#include "app/App.h"

#include "platform/Url.h"

namespace App {

void LaunchShareOnFacebook() {
  platform::ShowURL("https://www.facebook.com/sharer.php?u=" +
                    platform::EncodeURLComponent("http://www.larkfen.com/pemola/"));
}

}  // namespace App
