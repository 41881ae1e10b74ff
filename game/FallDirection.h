// The direction in which cards fall, as the board, its layout and its captions use it.
#pragma once

// +1 when cards fall down onto stacks at the bottom, -1 when they rise onto stacks at the top.
// A stored UpDown other than -1 plays as +1, so a falling card always moves and always arrives.
int FallDirection();
