// placeholder: this fake is being written
