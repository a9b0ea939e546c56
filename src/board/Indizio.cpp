// The picture clue.
#include "board/Indizio.h"

namespace tramelo {

void MostraIndizio(Contesto&) {}

}  // namespace tramelo
