// One link of the stack list, owning its stack.
#include "game/StackNode.h"
#include "game/Stack.h"

StackNode::StackNode(Stack* stack) : stack(stack), next(nullptr) {}

StackNode::~StackNode() { delete stack; }
