// Screens of the declaration are added by their own area files.
