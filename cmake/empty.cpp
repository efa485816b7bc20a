// The shared library is made of the folder libraries alone.
