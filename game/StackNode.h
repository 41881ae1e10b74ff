// One link of the stack list; owns its stack.
#pragma once

class Stack;

class StackNode {
public:
    explicit StackNode(Stack* stack);
    // Deletes the stack.
    virtual ~StackNode();

    Stack* stack;
    StackNode* next;
};
