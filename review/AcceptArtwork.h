// Pictures of the command buttons of the acceptance view and the
// management-table views (icons 32160, 6032, 6007, 32158, 6006) and the hand
// cursor 32004. Painting needs the running application, so they are
// registered on first use rather than when the library loads.
#pragma once

void EnsureAcceptArtwork();
